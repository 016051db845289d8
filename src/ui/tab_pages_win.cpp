#include "ui/tab_pages_win.h"

#include "ui/list_rows_win.h"
#include "ui/tab_groups_win.h"
#include "ui/tab_hidden_windows_win.h"
#include "ui/tab_hot_keys_win.h"
#include "ui/tab_timers_win.h"
#include "ui/tab_visible_windows_win.h"

#include <commctrl.h>

namespace engine {
namespace {

constexpr std::size_t MAX_CAPTION_LENGTH = 511;
// The tab header's height when the tab control cannot report it.
constexpr int DEFAULT_HEADER_HEIGHT = 20;

bool valid_index(int index) {
    return index >= 0 && index < TabPages::PAGE_COUNT;
}

} // namespace

TabPages::~TabPages() {
    destroy();
}

bool TabPages::create_pages(page_host& host, HWND tab_control, DataModel& model) {
    destroy();
    tab_control_ = tab_control;
    pages_ = {std::make_unique<TabVisibleWindows>(), std::make_unique<TabHiddenWindows>(),
              std::make_unique<TabGroups>(), std::make_unique<TabHotKeys>(),
              std::make_unique<TabTimers>()};
    for (int index = 0; index < PAGE_COUNT; ++index) {
        auto& page = *pages_[static_cast<std::size_t>(index)];
        if (!page.create(host, tab_control, model)) {
            return false;
        }
        page.refresh();
        page.show(true);
        insert_tab(index, page.title());
    }
    current_index_ = 0;
    for (int index = 1; index < PAGE_COUNT; ++index) {
        page(index)->show(false);
    }
    pages_[0]->show(true);
    pages_[0]->refresh();
    return true;
}

void TabPages::destroy() {
    remove_tabs();
    for (auto& page : pages_) {
        page.reset();
    }
    current_index_ = 0;
}

void TabPages::select_tab(int index) {
    if (!valid_index(index) || !pages_[static_cast<std::size_t>(index)]) {
        return;
    }
    current_index_ = index;
    for (int other = 0; other < PAGE_COUNT; ++other) {
        if (other != index) {
            page(other)->show(false);
        }
    }
    page(index)->show(true);
    page(index)->refresh();
    // Every page's list took the focus when it was made, and a page left behind keeps it; keys
    // sent to a hidden window reach nobody (and Wine looks for mnemonics there for ever).
    const HWND focus = GetFocus();
    if (focus != nullptr && !IsWindowVisible(focus) && IsChild(tab_control_, focus)) {
        SetFocus(tab_control_);
    }
}

bool TabPages::switch_to_tab(int index) {
    if (tab_control_ == nullptr || TabCtrl_SetCurSel(tab_control_, index) == -1) {
        return false;
    }
    select_tab(index);
    return true;
}

void TabPages::layout(HWND dialog, HWND frame) {
    RECT client{};
    GetClientRect(dialog, &client);
    const int width = client.right;
    const int height = client.bottom;
    const int dpi = window_dpi(dialog);
    const int frame_margin = scaled(6, dpi);
    if (frame != nullptr) {
        MoveWindow(frame, frame_margin, 0, width - 2 * frame_margin, height - frame_margin, TRUE);
    }
    if (tab_control_ == nullptr) {
        return;
    }
    const int margin = scaled(16, dpi);
    MoveWindow(tab_control_, margin, margin, width - 2 * margin, height - 2 * margin, TRUE);
    RECT header{};
    const int header_height = TabCtrl_GetItemRect(tab_control_, 0, &header)
                                  ? header.bottom - header.top + scaled(2, dpi)
                                  : scaled(DEFAULT_HEADER_HEIGHT, dpi);
    RECT area{};
    GetClientRect(tab_control_, &area);
    const int top = area.top + header_height;
    for (const auto& page : pages_) {
        if (page && page->window_handle() != nullptr) {
            MoveWindow(page->window_handle(), area.left, top, area.right - area.left - 1,
                       area.bottom - top - 1, TRUE);
        }
    }
}

TabView* TabPages::current_page() const {
    return page(current_index_);
}

TabView* TabPages::page(int index) const {
    return valid_index(index) ? pages_[static_cast<std::size_t>(index)].get() : nullptr;
}

void TabPages::remove_tabs() {
    if (tab_control_ != nullptr) {
        TabCtrl_DeleteAllItems(tab_control_);
    }
}

void TabPages::insert_tab(int index, const std::wstring& caption) {
    wchar_t text[MAX_CAPTION_LENGTH + 1] = {};
    caption.copy(text, MAX_CAPTION_LENGTH);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    TabCtrl_InsertItem(tab_control_, index, &item);
}

} // namespace engine
