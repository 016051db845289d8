#include "ui/tab_hot_keys_win.h"

#include "app/message_box_win.h"
#include "hotkeys/key_names.h"
#include "pages_resource.h"
#include "ui/hot_key_editor_win.h"
#include "ui/other_events_editor_win.h"

#include <commctrl.h>

namespace engine {

TabHotKeys::TabHotKeys()
    : ModelListPage({IDD_HOT_KEYS_PAGE,
                     IDC_HOT_KEY_LIST,
                     IDR_HOT_KEYS_MENU,
                     LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                     {{L"Pattern", 300}, {L"Hot Key", 150}, {L"Action", 100}}}) {}

TabHotKeys::~TabHotKeys() {
    release();
}

bool TabHotKeys::create(page_host& new_host, HWND parent, DataModel& new_model) {
    held_.reset();
    if (!ModelListPage::create(new_host, parent, new_model)) {
        return false;
    }
    held_ = std::make_unique<HeldHotKeys>(new_model, new_host.main_dialog());
    held_->registration.register_hot_keys();
    return true;
}

void TabHotKeys::release() {
    if (held_) {
        held_->registration.unregister_hot_keys();
    }
}

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
    const int dpi = window_dpi(window_handle());
    const auto placed =
        hot_keys_page_layout(width, height, control_rect(control(IDC_PAGE_TEXT)),
                             control_rect(list()), control_rect(control(IDC_PAGE_ADD)).width, dpi);
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

INT_PTR TabHotKeys::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
        if (header.hwndFrom == list() && on_list_notification(header)) {
            return TRUE;
        }
    }
    return ModelListPage::handle_message(message, wparam, lparam);
}

INT_PTR TabHotKeys::on_list_notification(const NMHDR& header) {
    switch (header.code) {
    case NM_RCLICK:
        choose_from_context_menu();
        return TRUE;
    case NM_DBLCLK:
        if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0) {
            edit_hot_key();
        }
        return TRUE;
    case LVN_KEYDOWN:
        switch (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey) {
        case VK_RETURN:
        case VK_SPACE:
            edit_hot_key();
            break;
        case VK_DELETE:
            confirm_and_remove_hot_key();
            break;
        default:
            break;
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void TabHotKeys::run_command(int command) {
    switch (command) {
    case IDC_PAGE_ADD:
        add_hot_key();
        break;
    case IDC_PAGE_EDIT:
    case ID_HOT_KEY_EDIT:
        edit_hot_key();
        break;
    case IDC_PAGE_REMOVE:
    case ID_HOT_KEY_REMOVE:
        remove_hot_key();
        break;
    case IDC_OTHER_EVENTS:
        edit_other_events();
        break;
    default:
        break;
    }
}

void TabHotKeys::add_hot_key() {
    if (model->group_count() == 0) {
        information_box(host->main_dialog(), L"No Groups Exist",
                        L"No window groups currently exist.  At least one group must be created "
                        L"before you can use hot keys.");
        return;
    }
    HotKey fresh;
    fresh.mod_ctrl = true;
    fresh.mod_shift = true;
    // A fresh id cannot collide with a held hot key, so nothing is released here.
    const auto added = run_hot_key_editor(
        host->main_dialog(), *model, [this](const HotKey& candidate) { return test(candidate); },
        fresh);
    if (!added) {
        return;
    }
    model->add_hot_key(*added);
    host->save_changes();
    held_->registration.register_hot_keys();
    rebuild(true);
}

void TabHotKeys::edit_hot_key() {
    const int index = selected_entry();
    if (index < 0) {
        return;
    }
    held_->registration.unregister_hot_keys();
    const auto edited = run_hot_key_editor(
        host->main_dialog(), *model, [this](const HotKey& candidate) { return test(candidate); },
        model->hot_key(index));
    if (edited) {
        model->set_hot_key(index, *edited);
        host->save_changes();
    }
    held_->registration.register_hot_keys();
    if (edited) {
        rebuild(false);
    }
}

void TabHotKeys::remove_hot_key() {
    const int index = selected_entry();
    if (index < 0) {
        return;
    }
    model->remove_hot_key(index);
    host->save_changes();
    held_->registration.register_hot_keys();
    rebuild(false);
}

void TabHotKeys::confirm_and_remove_hot_key() {
    if (selected_entry() >= 0 &&
        host->ask_yes_no(L"Delete Hot Key",
                         L"Are you sure you'd like to delete the selected hot key?")) {
        remove_hot_key();
    }
}

void TabHotKeys::edit_other_events() {
    held_->registration.unregister_hot_keys();
    const bool confirmed = run_other_events_editor(
        host->main_dialog(), *model, [this](const HotKey& candidate) { return test(candidate); });
    held_->registration.register_hot_keys();
    if (confirmed) {
        host->save_changes();
        rebuild(false);
    }
}

HotKeyTestResult TabHotKeys::test(const HotKey& candidate) {
    return test_hot_key(candidate, *model, held_->registrar);
}

} // namespace engine
