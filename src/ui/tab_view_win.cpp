#include "ui/tab_view_win.h"

#include <commctrl.h>

namespace engine {

TabView::~TabView() {
    destroy_page_window();
}

bool TabView::create(page_host& new_host, HWND /*parent*/, DataModel& new_model) {
    release();
    host = &new_host;
    model = &new_model;
    return true;
}

void TabView::release() {
    destroy_page_window();
}

void TabView::show(bool visible) {
    if (page_window_) {
        ShowWindow(page_window_.get(), visible ? SW_SHOWNORMAL : SW_HIDE);
    }
}

void TabView::refresh() {}

void TabView::refresh_windows() {}

HWND TabView::window_handle() const {
    return page_window_.get();
}

DataModel* TabView::data_model() const {
    return model;
}

bool TabView::create_page_window(int dialog_id, HWND parent) {
    destroy_page_window();
    // The dialog procedure takes the window over at WM_INITDIALOG already.
    const HWND created =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialog_id), parent,
                           dialog_procedure, reinterpret_cast<LPARAM>(this));
    if (page_window_.get() != created) {
        page_window_.reset(created);
    }
    return static_cast<bool>(page_window_);
}

void TabView::destroy_page_window() {
    // Detached first: the messages of its destruction must not reach a page being destroyed.
    if (page_window_) {
        SetWindowLongPtrW(page_window_.get(), GWLP_USERDATA, 0);
    }
    page_window_.reset();
}

INT_PTR TabView::handle_message(UINT /*message*/, WPARAM /*wparam*/, LPARAM /*lparam*/) {
    return FALSE;
}

void TabView::set_message_result(LRESULT result) const {
    SetWindowLongPtrW(page_window_.get(), DWLP_MSGRESULT, result);
}

POINT TabView::menu_point() const {
    POINT point = keyboard_menu_point_;
    if (!menu_from_keyboard_) {
        GetCursorPos(&point);
    }
    return point;
}

void TabView::open_menu_from_keyboard(HWND list) {
    int row = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    if (row < 0) {
        row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    }
    RECT rect{};
    if (row < 0 || !ListView_GetItemRect(list, row, &rect, LVIR_BOUNDS)) {
        rect = RECT{};
    }
    keyboard_menu_point_ = {rect.left + (rect.bottom - rect.top), rect.bottom};
    ClientToScreen(list, &keyboard_menu_point_);
    NMITEMACTIVATE click{};
    click.hdr = {list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), static_cast<UINT>(NM_RCLICK)};
    click.iItem = row;
    click.ptAction = keyboard_menu_point_;
    ScreenToClient(list, &click.ptAction);
    menu_from_keyboard_ = true;
    handle_message(WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    menu_from_keyboard_ = false;
}

INT_PTR CALLBACK TabView::dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, GWLP_USERDATA, lparam);
        auto* page = reinterpret_cast<TabView*>(lparam);
        page->page_window_.reset(dialog);
        return FALSE;
    }
    auto* page = reinterpret_cast<TabView*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    if (page == nullptr) {
        return FALSE;
    }
    // A position of -1 means the keyboard; the mouse's right click comes as NM_RCLICK too.
    const auto from = reinterpret_cast<HWND>(wparam);
    if (message == WM_CONTEXTMENU && lparam == -1 && GetParent(from) == dialog) {
        page->open_menu_from_keyboard(from);
        return TRUE;
    }
    return page->handle_message(message, wparam, lparam);
}

} // namespace engine
