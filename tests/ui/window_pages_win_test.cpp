#include "engine/show_commands.h"
#include "page_fixture_win.h"

namespace {

constexpr wchar_t NOTES[] = L"Notes - Editor";
constexpr wchar_t START_PAGE[] = L"Start Page - Browser";
constexpr wchar_t INBOX[] = L"inbox - Mail";
constexpr wchar_t SEARCH[] = L"A Search - Browser";

// Three windows of other programs, one of them minimised, and one that another program hid.
class WindowPages : public PageTest {
protected:
    void SetUp() override {
        editor = add_window(NOTES, show_command::MAXIMIZED);
        browser = add_window(START_PAGE);
        mail = add_window(INBOX, show_command::MINIMIZED);
        tool_tip = system.add_window({L"Tool Tip", false, show_command::NORMAL, 0, 0});
        create_pages();
    }

    void search(const wchar_t* text) { SetDlgItemTextW(page_window(0), IDC_SEARCH_FILTER, text); }

    WindowHandle editor = 0, browser = 0, mail = 0, tool_tip = 0;
};

TEST_F(WindowPages, TheVisiblePageListsSearchesAndHidesWhatIsSelected) {
    EXPECT_EQ(column(VISIBLE), (Texts{INBOX, NOTES, START_PAGE})) << "sorted with case folded";
    screenshot(host.main_dialog(), L"visible_windows_page");

    // The buttons follow the selection, which a filter that takes its rows away keeps.
    select_row(VISIBLE, {1, 0});
    EXPECT_TRUE(enabled(VISIBLE, IDC_HIDE_ALL_BUT_SELECTED));
    EXPECT_FALSE(enabled(VISIBLE, IDC_ACTIVATE_WINDOW)) << "it activates exactly one window";
    search(L"pAGE");
    EXPECT_EQ(column(VISIBLE), Texts{START_PAGE});
    search(L"");
    EXPECT_EQ(ListView_GetSelectedCount(list(VISIBLE)), 2u);
    select_row(VISIBLE);
    EXPECT_FALSE(enabled(VISIBLE, IDC_HIDE_SELECTED));

    // A double-click brings the window to the front.
    select_row(VISIBLE, {0});
    notify_list(VISIBLE, NM_DBLCLK);
    EXPECT_EQ(system.foreground_requests, std::vector<WindowHandle>{mail});

    // The selection follows its window through a rebuild in which the window moves, and the
    // focused row and the scroll position stay (Shift+Up grows a range from the focused row).
    for (int window = 0; window < 40; ++window)
        add_window(L"Window " + std::to_wstring(window));
    host.window_engine().enumerate_windows();
    select_row(VISIBLE, {2});
    ListView_SetItemState(list(VISIBLE), 30, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_EnsureVisible(list(VISIBLE), 42, FALSE);
    const int top = ListView_GetTopIndex(list(VISIBLE));
    ASSERT_GT(top, 0);
    system.window(browser).title = SEARCH;
    host.window_engine().enumerate_windows();
    EXPECT_EQ(column(VISIBLE).front(), SEARCH);
    EXPECT_EQ(first_selected_row(list(VISIBLE)), 0);
    EXPECT_EQ(ListView_GetNextItem(list(VISIBLE), -1, LVNI_FOCUSED), 30);
    EXPECT_EQ(ListView_GetTopIndex(list(VISIBLE)), top);

    // The menu names what it acts on; Hide All hides only what the filter lists, and leaves
    // for the hidden page.
    select_row(VISIBLE, {2, 1});
    EXPECT_EQ(choose_from_menu(VISIBLE, -1),
              (Texts{L"Hide Windows", L"Hide All Except These Windows"}));
    search(L"Mail");
    click(VISIBLE, IDC_HIDE_ALL);
    EXPECT_TRUE(is_hidden(mail) && !is_hidden(editor) && !is_hidden(browser));
    EXPECT_TRUE(IsWindowVisible(page_window(HIDDEN)) && !IsWindowVisible(page_window(VISIBLE)));
}

TEST_F(WindowPages, TheHiddenPageShowsWhatThisProgramHidAndAsksBeforeShowingOtherWindows) {
    select_row(VISIBLE, {0});
    click(VISIBLE, IDC_HIDE_ALL_BUT_SELECTED);
    EXPECT_EQ(column(HIDDEN), (Texts{NOTES, START_PAGE})) << "only what this program hid";
    select_row(HIDDEN, {0});
    click(HIDDEN, IDC_SHOW_SELECTED);
    EXPECT_EQ(system.window(editor).show_state, show_command::MAXIMIZED) << "shown as it was";

    // Listing every hidden window asks first, and so does showing another program's.
    click(HIDDEN, IDC_LIST_ALL_HIDDEN);
    EXPECT_EQ(column(HIDDEN), Texts{START_PAGE});
    host.answer = true;
    click(HIDDEN, IDC_LIST_ALL_HIDDEN);
    EXPECT_EQ(column(HIDDEN), (Texts{START_PAGE, L"Tool Tip"}));
    host.answer = false;
    select_row(HIDDEN, {0});
    click(HIDDEN, IDC_SHOW_ALL_BUT_SELECTED);
    EXPECT_TRUE(is_hidden(tool_tip) && is_hidden(browser));
    host.answer = true;
    click(HIDDEN, IDC_SHOW_ALL);
    EXPECT_FALSE(is_hidden(browser) || is_hidden(tool_tip));
    EXPECT_EQ(host.questions.size(), 4u);
    EXPECT_EQ(host.pages.current_index(), VISIBLE);
}

} // namespace
