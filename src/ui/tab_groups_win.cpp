#include "ui/tab_groups_win.h"

#include "hotkeys/hot_key_registrar_win.h"
#include "pages_resource.h"
#include "timers/timer_scheduler.h"
#include "ui/group_editor_win.h"

#include <commctrl.h>

namespace engine {
namespace {

const wchar_t* const REMOVE_CAPTION = L"Remove Group";
const wchar_t* const GROUP_IN_USE_TEXT =
    L"There are hotkeys or timers associated with this group.  If you delete this group, those "
    L"associated items will also be removed.  Are you sure you'd like to remove this group?";

} // namespace

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
    const int dpi = window_dpi(window_handle());
    const auto placed =
        groups_page_layout(width, height, control_rect(control(IDC_PAGE_TEXT)),
                           control_rect(list()), control_rect(control(IDC_PAGE_ADD)).width, dpi);
    move_control(control(IDC_PAGE_TEXT), placed.text);
    move_control(list(), placed.list);
    set_column_widths(list(), {group_column_width(placed.list.width, dpi)});
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

INT_PTR TabGroups::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
        if (header.hwndFrom == list() && header.code == NM_RCLICK) {
            choose_from_context_menu();
            return TRUE;
        }
        const bool enter = header.code == LVN_KEYDOWN &&
                           reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_RETURN;
        if (header.hwndFrom == list() && (header.code == NM_DBLCLK || enter)) {
            edit_group();
            return TRUE;
        }
    }
    return ModelListPage::handle_message(message, wparam, lparam);
}

void TabGroups::run_command(int command) {
    switch (command) {
    case IDC_PAGE_ADD:
        add_group();
        break;
    case IDC_PAGE_EDIT:
    case ID_GROUP_EDIT:
        edit_group();
        break;
    case IDC_PAGE_REMOVE:
    case ID_GROUP_REMOVE:
        remove_group();
        break;
    case IDC_GROUP_HIDE_ALL:
    case ID_GROUP_HIDE_ALL:
        hide_group();
        break;
    case IDC_GROUP_SHOW_ALL:
    case ID_GROUP_SHOW_ALL:
        show_group();
        break;
    default:
        break;
    }
}

void TabGroups::add_group() {
    if (const auto added = run_group_editor(host->main_dialog(), Group(model->next_group_id()))) {
        model->add_group(*added);
        host->save_changes();
        rebuild(true);
    }
}

void TabGroups::edit_group() {
    const int index = selected_entry();
    if (index < 0) {
        return;
    }
    if (const auto edited = run_group_editor(host->main_dialog(), model->group(index))) {
        model->set_group(index, *edited);
        host->save_changes();
        rebuild(false);
    }
}

void TabGroups::remove_group() {
    const int index = selected_entry();
    if (index < 0) {
        return;
    }
    const int id = model->group(index).id();
    if (model->group_in_use(id) && !host->ask_yes_no(REMOVE_CAPTION, GROUP_IN_USE_TEXT)) {
        return;
    }
    model->remove_group(index);
    stop_timers_of_group(id);
    release_hot_keys_of_group(id);
    model->remove_group_references(id);
    host->save_changes();
    rebuild(false);
}

void TabGroups::stop_timers_of_group(int group_id) {
    bool stopped = false;
    for (int index = 0; index < model->timer_count(); ++index) {
        auto timer = model->timer(index);
        if (timer.group_id != group_id) {
            continue;
        }
        timer.enabled = false;
        model->set_timer(index, timer);
        host->window_engine().show_windows_of_owner(timer_owner(timer));
        stopped = true;
    }
    if (stopped) {
        refresh_after_action(*host);
    }
}

void TabGroups::release_hot_keys_of_group(int group_id) {
    Win32HotKeyRegistrar registrar(host->main_dialog());
    for (int index = 0; index < model->hot_key_count(); ++index) {
        const HotKey hot_key = model->hot_key(index);
        if (hot_key.group_id == group_id) {
            registrar.unregister_hot_key(hot_key.id);
        }
    }
}

void TabGroups::hide_group() {
    const int index = selected_entry();
    if (index >= 0) {
        host->window_engine().hide_group(index);
        refresh_after_action(*host);
    }
}

void TabGroups::show_group() {
    const int index = selected_entry();
    if (index >= 0) {
        host->window_engine().show_group(index);
        refresh_after_action(*host);
    }
}

} // namespace engine
