#include "ui/window_page_win.h"

#include "pages_resource.h"
#include "ui/list_rows_win.h"

#include <commctrl.h>

#include <algorithm>

namespace engine {
namespace {

const wchar_t* const TIMER_HELD_PREFIX = L"(Hidden By Visibility Timer) ";
constexpr std::size_t MAX_SEARCH_LENGTH = 511;

Pattern search_pattern(const std::wstring& filter) {
    Pattern pattern;
    pattern.compare = filter.empty() ? Pattern::EVERYTHING : Pattern::CONTAINS;
    pattern.applies_to = Pattern::WINDOW_TITLE;
    pattern.phrase = filter;
    pattern.case_sensitive = false;
    return pattern;
}

} // namespace

PixelRect place_button(HWND button, int x, const WindowPageLayout& layout) {
    PixelRect rect = control_rect(button);
    rect.x = x;
    rect.y = layout.button_top;
    rect.height = layout.button_height;
    move_control(button, rect);
    return rect;
}

bool WindowPage::create(page_host& new_host, HWND parent, DataModel& new_model) {
    TabView::create(new_host, parent, new_model);
    if (!create_page_window(resources_.dialog_id, parent)) {
        return false;
    }
    list_ = control(IDC_WINDOW_LIST);
    search_box_ = control(IDC_SEARCH_FILTER);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    single_window_menu_ = ContextMenu(instance, resources_.single_window_menu_id);
    multi_window_menu_ = ContextMenu(instance, resources_.multi_window_menu_id);
    set_up_list(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                {{L"Window Title", 500}, {L"Image Name", 200}});
    SetFocus(list_);
    layout();
    return list_ != nullptr && search_box_ != nullptr;
}

void WindowPage::release() {
    list_ = nullptr;
    search_box_ = nullptr;
}

void WindowPage::refresh_windows() {
    refresh();
}

void WindowPage::refresh() {
    if (list_ == nullptr) {
        return;
    }
    const bool focus_back = list_should_take_focus_back();
    refreshing_ = true;
    std::vector<int> indices;
    find_rows(search_pattern(search_filter_), indices);
    // Sorted before the rows are filled, so that rows whose place did not change stay as
    // they are.
    std::stable_sort(indices.begin(), indices.end(), [this](int left, int right) {
        return sort_order_.compare(record_at(left), record_at(right)) < 0;
    });
    if (!list_shows(indices)) {
        SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
        rebuild_rows(indices);
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    }
    // Titles are drawn from the records, so the rows are painted again even when they stay.
    InvalidateRect(list_, nullptr, FALSE);
    refreshing_ = false;
    if (focus_back) {
        SetFocus(list_);
    }
    update_buttons();
}

bool WindowPage::list_should_take_focus_back() const {
    return GetFocus() == list_ && main_window_in_front(*host) &&
           host->current_tab_index() == resources_.page_index;
}

LVITEMW WindowPage::wanted_row(int row, int index) const {
    const auto found = remembered_selection_.find(record_at(index).hwnd);
    const bool selected = found != remembered_selection_.end() && found->second;
    LVITEMW item{};
    item.mask = LVIF_PARAM | LVIF_STATE;
    item.iItem = row;
    item.lParam = index;
    // The focused row is the user's: a rebuild that moved it would undo Shift+arrow ranges and
    // scroll the list to it.
    item.state = selected ? LVIS_SELECTED : 0;
    item.stateMask = LVIS_SELECTED;
    return item;
}

bool WindowPage::list_shows(const std::vector<int>& indices) const {
    if (ListView_GetItemCount(list_) != static_cast<int>(indices.size())) {
        return false;
    }
    for (std::size_t row = 0; row < indices.size(); ++row) {
        const int position = static_cast<int>(row);
        if (!row_shows(position, wanted_row(position, indices[row]))) {
            return false;
        }
    }
    return true;
}

void WindowPage::rebuild_rows(const std::vector<int>& indices) {
    const int shown = ListView_GetItemCount(list_);
    const int wanted = static_cast<int>(indices.size());
    ListView_SetItemCount(list_, wanted);
    for (int row = shown - 1; row >= wanted; --row) {
        ListView_DeleteItem(list_, row);
    }
    for (int row = 0; row < wanted; ++row) {
        auto item = wanted_row(row, indices[static_cast<std::size_t>(row)]);
        if (row >= shown) {
            item.mask |= LVIF_TEXT;
            item.pszText = LPSTR_TEXTCALLBACKW;
            ListView_InsertItem(list_, &item);
        } else if (!row_shows(row, item)) {
            ListView_SetItem(list_, &item);
        }
    }
}

bool WindowPage::row_shows(int row, const LVITEMW& wanted) const {
    LVITEMW current{};
    current.mask = LVIF_PARAM | LVIF_STATE;
    current.iItem = row;
    current.stateMask = wanted.stateMask;
    return ListView_GetItem(list_, &current) && current.lParam == wanted.lParam &&
           (current.state & wanted.stateMask) == wanted.state;
}

void WindowPage::sort_rows() {
    ListView_SortItems(list_, compare_rows, reinterpret_cast<LPARAM>(this));
}

int CALLBACK WindowPage::compare_rows(LPARAM left, LPARAM right, LPARAM page) {
    const auto* self = reinterpret_cast<const WindowPage*>(page);
    return self->sort_order_.compare(self->record_at(static_cast<int>(left)),
                                     self->record_at(static_cast<int>(right)));
}

const WindowRecord& WindowPage::record_at(int index) const {
    static const WindowRecord none;
    const auto& windows = model->windows;
    return windows.contains_index(index) ? windows.records[static_cast<std::size_t>(index)] : none;
}

std::wstring WindowPage::row_text(int entry, int column) const {
    const auto& record = record_at(entry);
    if (column != 0) {
        return record.image_name;
    }
    if (!record.visible && engine().has_owner(record)) {
        return TIMER_HELD_PREFIX + record.title;
    }
    return record.title;
}

std::vector<int> WindowPage::rows_with_selection(bool selected) const {
    std::vector<int> indices;
    const int count = ListView_GetItemCount(list_);
    for (int row = 0; row < count; ++row) {
        if (is_row_selected(list_, row) == selected) {
            indices.push_back(row_entry(list_, row));
        }
    }
    return indices;
}

std::vector<int> WindowPage::all_rows() const {
    std::vector<int> indices;
    const int count = ListView_GetItemCount(list_);
    for (int row = 0; row < count; ++row) {
        indices.push_back(row_entry(list_, row));
    }
    return indices;
}

void WindowPage::forget_selection(int record_index) {
    if (model->windows.contains_index(record_index)) {
        remembered_selection_[model->windows.record(record_index).hwnd] = false;
    }
}

void WindowPage::layout() {
    if (list_ == nullptr || search_box_ == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(window_handle(), &client);
    const auto placed = window_page_layout(client.right, client.bottom, control_rect(search_box_),
                                           control_rect(list_), window_dpi(window_handle()));
    move_control(search_box_, placed.search_box);
    move_control(list_, placed.list);
    place_buttons(placed);
    set_column_widths(list_, {placed.title_column, placed.image_column});
}

INT_PTR WindowPage::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lparam)->itemHeight =
            static_cast<UINT>(measure_list_row(window_handle(), host->list_drawing()));
        return TRUE;
    case WM_DRAWITEM:
        return draw_list_row(list_, host->list_drawing(),
                             *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam),
                             model->windows.count(),
                             [this](int entry, int column) { return row_text(entry, column); });
    case WM_SIZE:
        layout();
        return TRUE;
    case WM_NOTIFY:
        return on_notify(*reinterpret_cast<NMHDR*>(lparam));
    case WM_COMMAND:
        on_command(wparam);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR WindowPage::on_notify(NMHDR& header) {
    if (header.hwndFrom != list_ || list_ == nullptr) {
        return FALSE;
    }
    switch (header.code) {
    case LVN_ITEMCHANGED:
        on_row_state_changed(reinterpret_cast<const NMLISTVIEW&>(header));
        return TRUE;
    case LVN_COLUMNCLICK:
        sort_order_.click(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        sort_rows();
        return TRUE;
    case LVN_GETDISPINFOW:
        supply_cell_text(
            reinterpret_cast<NMLVDISPINFOW&>(header), model->windows.count(),
            [this](int entry, int column) { return row_text(entry, column); }, requested_text_);
        return TRUE;
    case NM_RCLICK:
        show_context_menu();
        return TRUE;
    case NM_DBLCLK:
        run_default_action();
        return TRUE;
    case LVN_KEYDOWN:
        if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_RETURN) {
            run_default_action();
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void WindowPage::on_row_state_changed(const NMLISTVIEW& change) {
    if (refreshing_ || (change.uChanged & LVIF_STATE) == 0) {
        return;
    }
    update_buttons();
    if (change.iItem != -1) {
        remember_row_selection(change.iItem);
        return;
    }
    // A change of every row at once.
    const int count = ListView_GetItemCount(list_);
    for (int row = 0; row < count; ++row) {
        remember_row_selection(row);
    }
}

void WindowPage::remember_row_selection(int row) {
    const int index = row_entry(list_, row);
    if (model->windows.contains_index(index)) {
        remembered_selection_[model->windows.record(index).hwnd] = is_row_selected(list_, row);
    }
}

void WindowPage::on_command(WPARAM wparam) {
    const int id = LOWORD(wparam);
    const int code = HIWORD(wparam);
    if (id == IDC_SEARCH_FILTER) {
        if (code == EN_CHANGE) {
            on_search_changed();
        }
        return;
    }
    if (code == BN_CLICKED) {
        run_command(id);
    }
}

void WindowPage::on_search_changed() {
    wchar_t text[MAX_SEARCH_LENGTH + 1] = {};
    GetWindowTextW(search_box_, text, static_cast<int>(MAX_SEARCH_LENGTH + 1));
    search_filter_ = text;
    refresh();
    SetFocus(search_box_);
}

void WindowPage::show_context_menu() {
    const HMENU menu =
        count_selected(list_) == 1 ? single_window_menu_.popup() : multi_window_menu_.popup();
    if (menu == nullptr) {
        return;
    }
    const POINT at = menu_point();
    const int command = static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x,
                                                        at.y, 0, window_handle(), nullptr));
    if (command != 0) {
        run_command(command);
    }
}

} // namespace engine
