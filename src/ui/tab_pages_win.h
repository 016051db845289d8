#pragma once

#include "model/data_model.h"
#include "ui/page_host_win.h"
#include "ui/tab_view_win.h"

#include <windows.h>

#include <array>
#include <memory>

namespace engine {

// The five pages of the main window's tab control, in tab order (visible windows, hidden
// windows, window groups, hot keys, visibility timers), and which of them is current.
class TabPages {
public:
    static constexpr int PAGE_COUNT = 5;

    TabPages() = default;
    TabPages(const TabPages&) = delete;
    TabPages& operator=(const TabPages&) = delete;
    ~TabPages();

    // Builds the pages inside the tab control and gives each its tab; page 0 is current.
    // False when a page cannot be built.
    bool create_pages(page_host& host, HWND tab_control, DataModel& model);
    // Removes the tabs and destroys the pages.
    void destroy();

    // Makes the page current, shows it alone and rebuilds it; a focus left on a hidden page goes
    // to the tab control. Indices outside 0 to 4 are ignored.
    void select_tab(int index);
    // Selects the tab in the tab control; when the control accepts it, makes its page current.
    bool switch_to_tab(int index);
    // Places the frame, the tab control and the pages in the main dialog after a size change.
    void layout(HWND dialog, HWND frame);

    int current_index() const { return current_index_; }
    // The current page; null before the pages are built.
    TabView* current_page() const;
    TabView* page(int index) const;

private:
    void remove_tabs();
    void insert_tab(int index, const std::wstring& caption);

    HWND tab_control_ = nullptr;
    std::array<std::unique_ptr<TabView>, PAGE_COUNT> pages_;
    int current_index_ = 0;
};

} // namespace engine
