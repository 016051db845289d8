#pragma once

#include "engine/window_handle.h"
#include "model/pattern.h"
#include "ui/gdi_handles_win.h"
#include "ui/list_layout.h"
#include "ui/tab_view_win.h"

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

namespace engine {

// What the visible and hidden windows pages share: a searchable, sortable list of window
// records whose selection is remembered by window handle, so that it survives every rebuild,
// every new snapshot and every change of the search text.
class WindowPage : public TabView {
public:
    bool create(page_host& host, HWND parent, DataModel& model) override;
    // Forgets the list and the search box; the page window stays until the page goes.
    void release() override;
    // Rebuilds the rows in place from the engine's matches for the search text.
    void refresh() override;
    void refresh_windows() override;

protected:
    struct Resources {
        int dialog_id;
        int single_window_menu_id;
        int multi_window_menu_id;
        // The tab this page sits in; the list takes the focus back only while it is current.
        int page_index;
    };
    explicit WindowPage(const Resources& resources) : resources_(resources) {}

    // The record indices the page lists for the search pattern, in record order.
    virtual void find_rows(const Pattern& search, std::vector<int>& indices) const = 0;
    virtual void update_buttons() = 0;
    // Places the page's buttons below the list.
    virtual void place_buttons(const WindowPageLayout& layout) = 0;
    // A button, a menu item or the check box.
    virtual void run_command(int command) = 0;
    // What a double click does.
    virtual void run_default_action() = 0;

    HWND list() const { return list_; }
    HWND control(int id) const { return GetDlgItem(window_handle(), id); }
    // The record indices of the rows that are (or are not) selected, in display order.
    std::vector<int> rows_with_selection(bool selected) const;
    std::vector<int> all_rows() const;
    // A window the page hid or showed is no longer selected when it comes back into the list.
    void forget_selection(int record_index);
    WindowEngine& engine() const { return host->window_engine(); }

    INT_PTR handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void layout();
    bool list_should_take_focus_back() const;
    // The row as it should be: the record it shows, selected when the user selected its window.
    LVITEMW wanted_row(int row, int index) const;
    // True when the list already shows exactly these records, in this order, so that a
    // rebuild can leave it alone.
    bool list_shows(const std::vector<int>& indices) const;
    void rebuild_rows(const std::vector<int>& indices);
    // True when the row already shows the entry and selection of `wanted`; such rows are
    // left alone, so that a rebuild touches only what changed.
    bool row_shows(int row, const LVITEMW& wanted) const;
    void sort_rows();
    static int CALLBACK compare_rows(LPARAM left, LPARAM right, LPARAM page);
    std::wstring row_text(int entry, int column) const;
    // The record a row shows; an empty record for an index that no longer exists.
    const WindowRecord& record_at(int index) const;

    INT_PTR on_notify(NMHDR& header);
    void on_row_state_changed(const NMLISTVIEW& change);
    void remember_row_selection(int row);
    void on_command(WPARAM wparam);
    void on_search_changed();
    void show_context_menu();

    Resources resources_;
    HWND list_ = nullptr;
    HWND search_box_ = nullptr;
    ContextMenu single_window_menu_;
    ContextMenu multi_window_menu_;
    std::map<WindowHandle, bool> remembered_selection_;
    SortOrder sort_order_;
    bool refreshing_ = false;
    std::wstring search_filter_;
    // The text handed to the list for a row on request; it must outlive the request.
    std::wstring requested_text_;
};

// Moves a button to `x` and the top of the layout's button row, with the row's height and its
// own width, and returns where it now is.
PixelRect place_button(HWND button, int x, const WindowPageLayout& layout);

} // namespace engine
