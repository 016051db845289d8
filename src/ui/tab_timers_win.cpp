#include "ui/tab_timers_win.h"

#include "hotkeys/key_names.h"
#include "pages_resource.h"

#include <commctrl.h>

namespace engine {

TabTimers::TabTimers()
    : ModelListPage({IDD_TIMERS_PAGE,
                     IDC_TIMER_LIST,
                     IDR_TIMERS_MENU,
                     LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP | LVS_EX_INFOTIP,
                     {{L"Timers", 500}, {L"State", 500}, {L"Type", 500}}}) {}

int TabTimers::entry_count() const {
    return model->timer_count();
}

std::wstring TabTimers::row_text(int entry, int column) const {
    const auto timer = model->timer(entry);
    switch (column) {
    case 0:
        return group_text(timer.group_id, *model);
    case 1:
        return timer.enabled ? L"Active" : L"Disabled";
    default:
        return timer.type != VisibilityTimer::CLOCK ? L"Stopwatch" : L"Clock";
    }
}

void TabTimers::layout(int width, int height) {
    const auto placed =
        hot_keys_page_layout(width, height, control_rect(control(IDC_PAGE_TEXT)),
                             control_rect(list()), control_rect(control(IDC_PAGE_ADD)).width);
    move_control(control(IDC_PAGE_TEXT), placed.text);
    move_control(list(), placed.list);
    set_column_widths(list(), timer_column_widths(placed.list.width));
}

ModelListRebuild TabTimers::rebuild_options() const {
    return {.select_last = false, .focus_row = true, .take_focus = main_window_in_front(*host)};
}

void TabTimers::update_buttons() {
    const int entry = selected_entry();
    const bool selected = entry >= 0;
    EnableWindow(control(IDC_PAGE_EDIT), selected);
    EnableWindow(control(IDC_PAGE_REMOVE), selected);
    EnableWindow(control(IDC_TIMER_ACTIVATE), selected);
    if (selected) {
        SetWindowTextW(control(IDC_TIMER_ACTIVATE),
                       model->timer(entry).enabled ? L"Deactivate" : L"Activate");
    }
}

} // namespace engine
