#include "ui/tab_visible_windows_win.h"

#include "engine/hidden_window_register.h"
#include "engine/show_commands.h"
#include "pages_resource.h"
#include "ui/list_rows_win.h"
#include "ui/tab_hidden_windows_win.h"

namespace engine {

TabVisibleWindows::TabVisibleWindows()
    : WindowPage({IDD_VISIBLE_WINDOWS_PAGE, IDR_VISIBLE_SINGLE_MENU, IDR_VISIBLE_MULTI_MENU,
                  PAGE_INDEX}) {}

void TabVisibleWindows::find_rows(const Pattern& search, std::vector<int>& indices) const {
    engine().find_visible_matches(search, indices, true);
}

void TabVisibleWindows::update_buttons() {
    const int selected = count_selected(list());
    EnableWindow(control(IDC_HIDE_SELECTED), selected > 0);
    EnableWindow(control(IDC_HIDE_ALL_BUT_SELECTED), selected > 0);
    EnableWindow(control(IDC_ACTIVATE_WINDOW), selected == 1);
    EnableWindow(control(IDC_HIDE_ALL), TRUE);
}

void TabVisibleWindows::place_buttons(const WindowPageLayout& layout) {
    const int gap = layout.button_gap;
    const auto hide_selected =
        place_button(control(IDC_HIDE_SELECTED), layout.first_button_x, layout);
    const auto hide_all_but =
        place_button(control(IDC_HIDE_ALL_BUT_SELECTED), hide_selected.right() + gap, layout);
    place_button(control(IDC_HIDE_ALL), hide_all_but.right() + gap, layout);
    const HWND activate_button = control(IDC_ACTIVATE_WINDOW);
    place_button(activate_button, layout.list.right() - control_rect(activate_button).width,
                 layout);
}

void TabVisibleWindows::run_command(int command) {
    switch (command) {
    case IDC_HIDE_SELECTED:
    case ID_WINDOWS_HIDE_SELECTED:
        hide_selected();
        break;
    case IDC_HIDE_ALL_BUT_SELECTED:
    case ID_WINDOWS_HIDE_ALL_BUT_SELECTED:
        hide_and_leave(rows_with_selection(false));
        break;
    case IDC_HIDE_ALL:
        hide_and_leave(all_rows());
        break;
    case IDC_ACTIVATE_WINDOW:
    case ID_WINDOWS_ACTIVATE:
        activate();
        break;
    default:
        break;
    }
}

void TabVisibleWindows::run_default_action() {
    if (count_selected(list()) == 1) {
        activate();
    }
}

void TabVisibleWindows::hide_selected() {
    const WindowEngine::Action action(engine());
    for (const int index : rows_with_selection(true)) {
        engine().hide_window(index, HiddenWindowRegister::NO_OWNER);
        forget_selection(index);
    }
    refresh_after_action(*host);
}

void TabVisibleWindows::hide_and_leave(const std::vector<int>& indices) {
    const WindowEngine::Action action(engine());
    for (const int index : indices) {
        engine().hide_window(index, HiddenWindowRegister::NO_OWNER);
        forget_selection(index);
    }
    refresh_after_action(*host);
    host->switch_to_tab(TabHiddenWindows::PAGE_INDEX);
    host->hide_main_window();
}

void TabVisibleWindows::activate() {
    const auto selected = rows_with_selection(true);
    if (!selected.empty()) {
        const auto window = model->windows.record(selected.front()).hwnd;
        auto& windows = host->windows();
        const auto show_state = window != 0 ? windows.placement_show_state(window) : std::nullopt;
        if (show_state) {
            const bool minimised = *show_state == show_command::MINIMIZED ||
                                   *show_state == show_command::MINIMIZE ||
                                   *show_state == show_command::MINIMIZED_NO_ACTIVATE;
            if (minimised) {
                windows.show_async(window, show_command::RESTORE);
            }
            windows.set_foreground_window(window);
        }
    }
    refresh_after_action(*host);
}

} // namespace engine
