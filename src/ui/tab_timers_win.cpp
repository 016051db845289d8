#include "ui/tab_timers_win.h"

#include "app/message_box_win.h"
#include "hotkeys/key_names.h"
#include "pages_resource.h"
#include "timers/timer_period.h"
#include "ui/timer_editor_win.h"

#include <commctrl.h>

#include <algorithm>

namespace engine {
namespace {

constexpr UINT TOGGLE_ITEM_POSITION = 3;

} // namespace

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
    const int dpi = window_dpi(window_handle());
    const auto placed =
        hot_keys_page_layout(width, height, control_rect(control(IDC_PAGE_TEXT)),
                             control_rect(list()), control_rect(control(IDC_PAGE_ADD)).width, dpi);
    move_control(control(IDC_PAGE_TEXT), placed.text);
    move_control(list(), placed.list);
    set_column_widths(list(), timer_column_widths(placed.list.width, dpi));
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

INT_PTR TabTimers::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NOTIFY) {
        auto& header = *reinterpret_cast<NMHDR*>(lparam);
        if (header.hwndFrom == list()) {
            switch (header.code) {
            case NM_RCLICK:
                show_context_menu(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
                return TRUE;
            case NM_DBLCLK:
                if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0) {
                    edit_timer();
                }
                return TRUE;
            case LVN_KEYDOWN:
                on_key(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
                return TRUE;
            case LVN_GETINFOTIPW:
                show_description(reinterpret_cast<NMLVGETINFOTIPW&>(header));
                return TRUE;
            default:
                break;
            }
        }
    }
    return ModelListPage::handle_message(message, wparam, lparam);
}

void TabTimers::run_command(int command) {
    switch (command) {
    case IDC_PAGE_ADD:
        add_timer();
        break;
    case IDC_PAGE_EDIT:
    case ID_TIMER_EDIT:
        edit_timer();
        break;
    case IDC_PAGE_REMOVE:
    case ID_TIMER_REMOVE:
        remove_timer();
        break;
    case IDC_TIMER_ACTIVATE:
    case ID_TIMER_TOGGLE:
        toggle_selected_timer();
        break;
    default:
        break;
    }
}

void TabTimers::on_key(WORD key) {
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
        edit_timer();
        break;
    case VK_DELETE:
        if (selected_entry() >= 0 &&
            host->ask_yes_no(L"Delete Visibility Timer",
                             L"Are you sure you'd like to delete the selected timer?")) {
            remove_timer();
        }
        break;
    default:
        break;
    }
}

void TabTimers::show_context_menu(int row) {
    if (context_menu() == nullptr) {
        return;
    }
    if (row >= 0 && row < ListView_GetItemCount(list())) {
        label_toggle_item(model->timer(row_entry(list(), row)).enabled);
    }
    choose_from_context_menu();
}

void TabTimers::show_description(NMLVGETINFOTIPW& request) const {
    if (request.pszText == nullptr || request.cchTextMax <= 0 || request.iItem < 0) {
        return;
    }
    const int entry = row_entry(list(), request.iItem);
    if (entry < 0 || entry >= entry_count()) {
        return;
    }
    const std::wstring text = description_text(model->timer(entry), *model);
    const auto length = std::min(text.size(), static_cast<std::size_t>(request.cchTextMax - 1));
    std::copy_n(text.begin(), length, request.pszText);
    request.pszText[length] = L'\0';
}

void TabTimers::label_toggle_item(bool enabled) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STRING;
    std::wstring label = enabled ? L"Deactivate" : L"Activate";
    item.dwTypeData = label.data();
    SetMenuItemInfoW(context_menu(), TOGGLE_ITEM_POSITION, TRUE, &item);
}

void TabTimers::add_timer() {
    if (model->group_count() == 0) {
        information_box(host->main_dialog(), L"No Groups Exist",
                        L"No window groups currently exist.  At least one group must be created "
                        L"before you can use visibility timers.");
        return;
    }
    const auto now = host->clock().now();
    VisibilityTimer timer;
    timer.start_h = now.hour;
    timer.start_m = now.minute;
    timer.duration_m = 30;
    TimerEditorContext context{*model, host->clock(), timer};
    if (!run_timer_editor(host->main_dialog(), context)) {
        return;
    }
    const bool activate =
        host->ask_yes_no(L"Activate Timer", L"Would you like to activate this timer now?");
    model->add_timer(context.timer);
    host->save_changes();
    rebuild(true);
    // Activated as the page's button would, so that a stopwatch starts counting now.
    if (activate) {
        toggle_selected_timer();
    }
}

void TabTimers::edit_timer() {
    const int index = selected_entry();
    if (index < 0) {
        return;
    }
    TimerEditorContext context{*model, host->clock(), model->timer(index)};
    if (!run_timer_editor(host->main_dialog(), context)) {
        return;
    }
    model->set_timer(index, context.timer);
    host->save_changes();
    rebuild(false);
    if (context.activate_requested) {
        toggle_selected_timer();
    }
}

void TabTimers::remove_timer() {
    const int index = selected_entry();
    if (index < 0) {
        return;
    }
    model->remove_timer(index);
    host->save_changes();
    rebuild(false);
}

void TabTimers::toggle_selected_timer() {
    const int index = selected_entry();
    if (index < 0) {
        return;
    }
    host->timer_scheduler().toggle_timer(index);
    host->save_changes();
    rebuild(false);
    label_toggle_item(model->timer(index).enabled);
}

} // namespace engine
