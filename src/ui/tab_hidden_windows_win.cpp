#include "ui/tab_hidden_windows_win.h"

#include "pages_resource.h"
#include "ui/list_rows_win.h"
#include "ui/tab_visible_windows_win.h"

#include <algorithm>

namespace engine {
namespace {

const wchar_t* const UNHIDE_CAPTION = L"Unhide Window";
const wchar_t* const ONE_FOREIGN_WINDOW_TEXT =
    L"The selected window was not hidden by this application during this session.\r\n\r\n"
    L"Altering system windows is not recommended, as it may lead to instability or other "
    L"unpredictable results.\r\n\r\nAre you sure you'd like to continue?";
const wchar_t* const SEVERAL_FOREIGN_WINDOWS_TEXT =
    L"Some of the selected windows were not hidden by this application during this "
    L"session.\r\n\r\nAltering system windows is not recommended, as it may lead to instability "
    L"or other unpredictable results.\r\n\r\nAre you sure you'd like to continue?";
const wchar_t* const SHOW_ALL_TEXT =
    L"You've chosen to unhide ALL windows, including those not hidden by this "
    L"application.\r\n\r\nAltering system windows is not recommended, as it may lead to "
    L"instability or other unpredictable results.\r\n\r\nAre you sure you'd like to continue?";
const wchar_t* const LIST_ALL_CAPTION = L"Hidden Windows";
const wchar_t* const LIST_ALL_TEXT =
    L"Enabling this option will list all hidden windows, whether hidden by this application or "
    L"not.\r\n\r\nAltering system windows is not recommended, as it may lead to instability or "
    L"other unpredictable results.\r\n\r\nAre you sure you'd like to continue?";

} // namespace

TabHiddenWindows::TabHiddenWindows()
    : WindowPage(
          {IDD_HIDDEN_WINDOWS_PAGE, IDR_HIDDEN_SINGLE_MENU, IDR_HIDDEN_MULTI_MENU, PAGE_INDEX}) {}

void TabHiddenWindows::find_rows(const Pattern& search, std::vector<int>& indices) const {
    engine().find_hidden_matches(search, list_all_hidden_, indices, true);
}

void TabHiddenWindows::update_buttons() {
    const bool any_selected = count_selected(list()) > 0;
    EnableWindow(control(IDC_SHOW_SELECTED), any_selected);
    EnableWindow(control(IDC_SHOW_ALL_BUT_SELECTED), any_selected);
    EnableWindow(control(IDC_SHOW_ALL), TRUE);
    EnableWindow(control(IDC_LIST_ALL_HIDDEN), TRUE);
}

void TabHiddenWindows::place_buttons(const WindowPageLayout& layout) {
    const int gap = layout.button_gap;
    const auto show_selected =
        place_button(control(IDC_SHOW_SELECTED), layout.first_button_x, layout);
    const auto show_all_but =
        place_button(control(IDC_SHOW_ALL_BUT_SELECTED), show_selected.right() + gap, layout);
    const auto show_all = place_button(control(IDC_SHOW_ALL), show_all_but.right() + gap, layout);
    place_button(control(IDC_LIST_ALL_HIDDEN), show_all.right() + 2 * gap, layout);
}

void TabHiddenWindows::run_command(int command) {
    switch (command) {
    case IDC_SHOW_SELECTED:
    case ID_WINDOWS_SHOW_SELECTED:
        show_rows(rows_with_selection(true));
        break;
    case IDC_SHOW_ALL_BUT_SELECTED:
    case ID_WINDOWS_SHOW_ALL_BUT_SELECTED:
        show_rows(rows_with_selection(false));
        break;
    case IDC_SHOW_ALL:
        show_all();
        break;
    case IDC_LIST_ALL_HIDDEN:
        on_list_all_hidden_clicked();
        break;
    default:
        break;
    }
}

void TabHiddenWindows::run_default_action() {
    if (count_selected(list()) == 1) {
        show_rows(rows_with_selection(true));
    }
}

bool TabHiddenWindows::confirm_foreign_windows(const std::vector<int>& indices) {
    if (!list_all_hidden_) {
        return true;
    }
    const auto foreign = std::count_if(indices.begin(), indices.end(), [this](int index) {
        return !engine().was_hidden_this_session(model->windows.record(index).hwnd);
    });
    if (foreign == 0) {
        return true;
    }
    return host->ask_yes_no(UNHIDE_CAPTION,
                            foreign == 1 ? ONE_FOREIGN_WINDOW_TEXT : SEVERAL_FOREIGN_WINDOWS_TEXT);
}

std::vector<WindowHandle> TabHiddenWindows::windows_of(const std::vector<int>& indices) const {
    std::vector<WindowHandle> windows;
    for (const int index : indices) {
        windows.push_back(model->windows.record(index).hwnd);
    }
    return windows;
}

void TabHiddenWindows::show_windows(const std::vector<WindowHandle>& windows) {
    // The question runs a message loop whose passes renumber the records, so the windows
    // chosen before it are found again by handle; one its program showed meanwhile is left.
    const WindowEngine::Action action(engine());
    for (const auto window : windows) {
        const int index = model->windows.find_index(window);
        if (index >= 0 && !model->windows.record(index).visible) {
            engine().show_window(index);
            forget_selection(index);
        }
    }
    refresh_after_action(*host);
}

void TabHiddenWindows::show_rows(const std::vector<int>& indices) {
    const auto windows = windows_of(indices);
    if (confirm_foreign_windows(indices)) {
        show_windows(windows);
    }
}

void TabHiddenWindows::show_all() {
    auto windows = windows_of(all_rows());
    if (list_all_hidden_ && !host->ask_yes_no(UNHIDE_CAPTION, SHOW_ALL_TEXT)) {
        return;
    }
    std::reverse(windows.begin(), windows.end());
    show_windows(windows);
    host->switch_to_tab(TabVisibleWindows::PAGE_INDEX);
}

void TabHiddenWindows::on_list_all_hidden_clicked() {
    const HWND box = control(IDC_LIST_ALL_HIDDEN);
    if (SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        list_all_hidden_ = host->ask_yes_no(LIST_ALL_CAPTION, LIST_ALL_TEXT);
        if (!list_all_hidden_) {
            SendMessageW(box, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    } else {
        list_all_hidden_ = false;
    }
    refresh();
}

} // namespace engine
