#include "ui/tab_groups_win.h"

#include "pages_resource.h"

#include <commctrl.h>

namespace engine {

TabGroups::TabGroups()
    : ModelListPage({IDD_GROUPS_PAGE,
                     IDC_GROUP_LIST,
                     IDR_GROUPS_MENU,
                     LVS_EX_DOUBLEBUFFER,
                     {{L"Group Name", 500}}}) {}

int TabGroups::entry_count() const {
    return model->group_count();
}

std::wstring TabGroups::row_text(int entry, int /*column*/) const {
    return model->group(entry).name();
}

void TabGroups::layout(int width, int height) {
    const auto placed =
        groups_page_layout(width, height, control_rect(control(IDC_PAGE_TEXT)),
                           control_rect(list()), control_rect(control(IDC_PAGE_ADD)).width);
    move_control(control(IDC_PAGE_TEXT), placed.text);
    move_control(list(), placed.list);
    set_column_widths(list(), {group_column_width(placed.list.width)});
}

ModelListRebuild TabGroups::rebuild_options() const {
    return {.select_last = false, .focus_row = true, .take_focus = true};
}

void TabGroups::update_buttons() {
    const bool selected = first_selected_row(list()) >= 0;
    for (const int button :
         {IDC_PAGE_EDIT, IDC_PAGE_REMOVE, IDC_GROUP_HIDE_ALL, IDC_GROUP_SHOW_ALL}) {
        EnableWindow(control(button), selected);
    }
    EnableWindow(control(IDC_PAGE_ADD), TRUE);
}

} // namespace engine
