#include "ui/tab_hot_keys_win.h"

#include "hotkeys/key_names.h"
#include "pages_resource.h"

#include <commctrl.h>

namespace engine {

TabHotKeys::TabHotKeys()
    : ModelListPage({IDD_HOT_KEYS_PAGE,
                     IDC_HOT_KEY_LIST,
                     IDR_HOT_KEYS_MENU,
                     LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                     {{L"Pattern", 300}, {L"Hot Key", 150}, {L"Action", 100}}}) {}

int TabHotKeys::entry_count() const {
    return model->hot_key_count();
}

std::wstring TabHotKeys::row_text(int entry, int column) const {
    const auto hot_key = model->hot_key(entry);
    switch (column) {
    case 0:
        return group_text(hot_key.group_id, *model);
    case 1:
        return combination_text(hot_key);
    default:
        return action_name(hot_key.action);
    }
}

void TabHotKeys::layout(int width, int height) {
    const auto placed =
        hot_keys_page_layout(width, height, control_rect(control(IDC_PAGE_TEXT)),
                             control_rect(list()), control_rect(control(IDC_PAGE_ADD)).width);
    move_control(control(IDC_PAGE_TEXT), placed.text);
    move_control(list(), placed.list);
    set_column_widths(list(), hot_key_column_widths(placed.list.width));
}

ModelListRebuild TabHotKeys::rebuild_options() const {
    return {.select_last = false, .focus_row = false, .take_focus = main_window_in_front(*host)};
}

void TabHotKeys::update_buttons() {
    const bool selected = first_selected_row(list()) >= 0;
    EnableWindow(control(IDC_PAGE_EDIT), selected);
    EnableWindow(control(IDC_PAGE_REMOVE), selected);
}

} // namespace engine
