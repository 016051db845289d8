#pragma once

#include "ui/gdi_handles_win.h"
#include "ui/list_rows_win.h"
#include "ui/tab_view_win.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace engine {

// What the groups, hot keys and timers pages share: a list whose rows are the entries of one
// of the model's lists, in model order, each row carrying its entry's index.
class ModelListPage : public TabView {
public:
    bool create(page_host& host, HWND parent, DataModel& model) override;
    // The page window and its list stay for the life of the page.
    void release() override {}
    // Rebuilds the rows, keeping the selected row where it was.
    void refresh() override;

protected:
    struct Resources {
        int dialog_id;
        int list_id;
        int menu_id;
        DWORD extended_styles;
        std::vector<ListColumn> columns;
    };
    explicit ModelListPage(Resources resources) : resources_(std::move(resources)) {}

    virtual int entry_count() const = 0;
    virtual std::wstring row_text(int entry, int column) const = 0;
    // Places the page's text and list in a page of the given client size.
    virtual void layout(int width, int height) = 0;
    // Whether a rebuild gives the list the keyboard focus and marks the row it selects as
    // focused too.
    virtual ModelListRebuild rebuild_options() const = 0;
    virtual void update_buttons() = 0;
    // A click on one of the page's buttons, or the item chosen from its context menu.
    virtual void run_command(int command) = 0;

    // Deletes and reinserts every row; with select_last (after an entry was appended) the
    // last row is selected.
    void rebuild(bool select_last);

    HWND list() const { return list_; }
    HWND control(int id) const { return GetDlgItem(window_handle(), id); }
    HMENU context_menu() const { return menu_.popup(); }
    int selected_entry() const;
    // Shows the context menu at the cursor (or the focused row) and runs the command chosen.
    void choose_from_context_menu();

    INT_PTR handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void layout_page();
    INT_PTR on_notify(NMHDR& header);

    Resources resources_;
    HWND list_ = nullptr;
    ContextMenu menu_;
    std::wstring requested_text_;
};

} // namespace engine
