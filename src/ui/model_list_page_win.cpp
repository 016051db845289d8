#include "ui/model_list_page_win.h"

#include <commctrl.h>

namespace engine {

bool ModelListPage::create(page_host& new_host, HWND parent, DataModel& new_model) {
    TabView::create(new_host, parent, new_model);
    if (!create_page_window(resources_.dialog_id, parent)) {
        return false;
    }
    list_ = control(resources_.list_id);
    menu_ = ContextMenu(GetModuleHandleW(nullptr), resources_.menu_id);
    set_up_list(list_, resources_.extended_styles, resources_.columns);
    SetFocus(list_);
    layout_page();
    return list_ != nullptr;
}

void ModelListPage::refresh() {
    rebuild(false);
}

void ModelListPage::rebuild(bool select_last) {
    if (list_ == nullptr) {
        return;
    }
    auto options = rebuild_options();
    options.select_last = select_last;
    rebuild_model_list(list_, entry_count(), options);
    update_buttons();
}

int ModelListPage::selected_entry() const {
    const int row = first_selected_row(list_);
    return row < 0 ? -1 : row_entry(list_, row);
}

void ModelListPage::choose_from_context_menu() {
    if (context_menu() == nullptr) {
        return;
    }
    const POINT at = menu_point();
    const int command = static_cast<int>(TrackPopupMenu(
        context_menu(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_handle(), nullptr));
    run_command(command);
}

void ModelListPage::layout_page() {
    if (list_ == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(window_handle(), &client);
    layout(client.right, client.bottom);
}

INT_PTR ModelListPage::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED) {
            run_command(LOWORD(wparam));
        }
        return TRUE;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lparam)->itemHeight =
            static_cast<UINT>(measure_list_row(window_handle(), host->list_drawing()));
        return TRUE;
    case WM_DRAWITEM:
        return draw_list_row(list_, host->list_drawing(),
                             *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam), entry_count(),
                             [this](int entry, int column) { return row_text(entry, column); });
    case WM_SIZE:
        layout_page();
        return TRUE;
    case WM_NOTIFY:
        return on_notify(*reinterpret_cast<NMHDR*>(lparam));
    default:
        return FALSE;
    }
}

INT_PTR ModelListPage::on_notify(NMHDR& header) {
    if (header.hwndFrom != list_ || list_ == nullptr) {
        return FALSE;
    }
    switch (header.code) {
    case LVN_ITEMCHANGED:
        update_buttons();
        return TRUE;
    case LVN_GETDISPINFOW:
        supply_cell_text(
            reinterpret_cast<NMLVDISPINFOW&>(header), entry_count(),
            [this](int entry, int column) { return row_text(entry, column); }, requested_text_);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace engine
