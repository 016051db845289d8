#include "page_fixture_win.h"

#include "engine/show_commands.h"

namespace {

using Titles = std::vector<std::wstring>;
constexpr int VISIBLE = 0;
constexpr int HIDDEN = 1;

class VisibleWindowsPage : public PageTest {
protected:
    void SetUp() override {
        editor = add_window(L"Notes - Editor", L"editor.exe");
        browser = add_window(L"Start Page - Browser", L"browser.exe");
        mail = add_window(L"Inbox - Mail", L"mail.exe", show_command::MINIMIZED);
        create_pages();
    }

    WindowHandle editor = 0;
    WindowHandle browser = 0;
    WindowHandle mail = 0;
};

TEST_F(VisibleWindowsPage, ListsSearchesTitlesAndKeepsTheSelectionThroughAFilter) {
    EXPECT_EQ(column(VISIBLE),
              (Titles{L"Inbox - Mail", L"Notes - Editor", L"Start Page - Browser"}));
    EXPECT_EQ(column(VISIBLE, 1), (Titles{L"mail.exe", L"editor.exe", L"browser.exe"}));

    // The search matches titles in any case, but not image names.
    type_search(VISIBLE, L"pAGE");
    EXPECT_EQ(column(VISIBLE), (Titles{L"Start Page - Browser"}));
    type_search(VISIBLE, L"editor.exe");
    EXPECT_EQ(column(VISIBLE), Titles{});
    type_search(VISIBLE, L"");
    EXPECT_EQ(column(VISIBLE).size(), 3u);

    // The selection survives a filter that takes its rows away.
    select(VISIBLE, {L"Notes - Editor", L"Inbox - Mail"});
    type_search(VISIBLE, L"no such window");
    EXPECT_EQ(ListView_GetItemCount(list(VISIBLE)), 0);
    type_search(VISIBLE, L"");
    EXPECT_EQ(selected_titles(VISIBLE), (Titles{L"Inbox - Mail", L"Notes - Editor"}));

    // Windows of the ignore list are not listed.
    model.add_ignore_pattern({.compare = Pattern::CONTAINS, .phrase = L"mail"});
    host.pages.page(VISIBLE)->refresh();
    EXPECT_EQ(column(VISIBLE), (Titles{L"Notes - Editor", L"Start Page - Browser"}));
}

TEST_F(VisibleWindowsPage, HeaderClicksSortAndTheOrderAndSelectionHoldThroughRebuilds) {
    // The selection follows a window that moves in the list.
    select(VISIBLE, {L"Start Page - Browser"});
    system.window(browser).title = L"A Search - Browser";
    host.window_engine().enumerate_windows();
    EXPECT_EQ(column(VISIBLE).front(), L"A Search - Browser");
    EXPECT_EQ(selected_titles(VISIBLE), (Titles{L"A Search - Browser"}));

    // The same column flips the order, a new one starts ascending.
    click_header(VISIBLE, 0);
    EXPECT_EQ(column(VISIBLE), (Titles{L"Notes - Editor", L"Inbox - Mail", L"A Search - Browser"}));
    click_header(VISIBLE, 1);
    EXPECT_EQ(column(VISIBLE, 1), (Titles{L"browser.exe", L"editor.exe", L"mail.exe"}));
    click_header(VISIBLE, 1);
    EXPECT_EQ(column(VISIBLE, 1), (Titles{L"mail.exe", L"editor.exe", L"browser.exe"}));
    click_header(VISIBLE, 0);
    EXPECT_EQ(column(VISIBLE), (Titles{L"A Search - Browser", L"Inbox - Mail", L"Notes - Editor"}));

    click_header(VISIBLE, 0);
    add_window(L"Archive", L"zip.exe");
    host.window_engine().enumerate_windows();
    EXPECT_EQ(column(VISIBLE),
              (Titles{L"Notes - Editor", L"Inbox - Mail", L"Archive", L"A Search - Browser"}));
    EXPECT_EQ(selected_titles(VISIBLE), (Titles{L"A Search - Browser"}));
}

TEST_F(VisibleWindowsPage, ButtonsFollowTheSelectionAndActivateNeedsExactlyOneRow) {
    EXPECT_FALSE(enabled(VISIBLE, IDC_HIDE_SELECTED));
    EXPECT_FALSE(enabled(VISIBLE, IDC_HIDE_ALL_BUT_SELECTED));
    EXPECT_FALSE(enabled(VISIBLE, IDC_ACTIVATE_WINDOW));
    EXPECT_TRUE(enabled(VISIBLE, IDC_HIDE_ALL));
    select(VISIBLE, {L"Notes - Editor"});
    EXPECT_TRUE(enabled(VISIBLE, IDC_HIDE_SELECTED));
    EXPECT_TRUE(enabled(VISIBLE, IDC_ACTIVATE_WINDOW));
    select(VISIBLE, {L"Notes - Editor", L"Inbox - Mail"});
    EXPECT_TRUE(enabled(VISIBLE, IDC_HIDE_ALL_BUT_SELECTED));
    EXPECT_FALSE(enabled(VISIBLE, IDC_ACTIVATE_WINDOW));
    notify_list(VISIBLE, NM_DBLCLK);
    EXPECT_TRUE(system.foreground_requests.empty()) << "a double click on two rows does nothing";
    EXPECT_TRUE(waiter.waits.empty());

    // A minimised window is restored and brought to the front, a normal one only brought.
    select(VISIBLE, {L"Inbox - Mail"});
    click(VISIBLE, IDC_ACTIVATE_WINDOW);
    select(VISIBLE, {L"Notes - Editor"});
    notify_list(VISIBLE, NM_DBLCLK);
    EXPECT_EQ(system.show_requests, (std::vector<ShowRequest>{{mail, show_command::RESTORE}}));
    EXPECT_EQ(system.foreground_requests, (std::vector<WindowHandle>{mail, editor}));
}

TEST_F(VisibleWindowsPage, HideSelectedListsThemOnTheHiddenPageUntilTheyComeBackUnselected) {
    select(VISIBLE, {L"Notes - Editor", L"Inbox - Mail"});
    click(VISIBLE, IDC_HIDE_SELECTED);
    EXPECT_TRUE(is_hidden(editor));
    EXPECT_TRUE(is_hidden(mail));
    EXPECT_FALSE(is_hidden(browser));
    EXPECT_EQ(column(VISIBLE), (Titles{L"Start Page - Browser"}));
    EXPECT_EQ(waiter.waits, (std::vector<unsigned>{100}));
    EXPECT_EQ(host.pages.current_index(), VISIBLE);
    host.pages.switch_to_tab(HIDDEN);
    EXPECT_EQ(column(HIDDEN), (Titles{L"Inbox - Mail", L"Notes - Editor"}));

    select(HIDDEN, {L"Notes - Editor", L"Inbox - Mail"});
    click(HIDDEN, IDC_SHOW_SELECTED);
    host.pages.switch_to_tab(VISIBLE);
    EXPECT_EQ(column(VISIBLE).size(), 3u);
    EXPECT_EQ(selected_titles(VISIBLE), Titles{});
}

TEST_F(VisibleWindowsPage, HideAllButSelectedLeavesForTheHiddenPage) {
    select(VISIBLE, {L"Notes - Editor"});
    click(VISIBLE, IDC_HIDE_ALL_BUT_SELECTED);
    EXPECT_FALSE(is_hidden(editor));
    EXPECT_TRUE(is_hidden(browser));
    EXPECT_TRUE(is_hidden(mail));
    EXPECT_EQ(host.pages.current_index(), HIDDEN);
    EXPECT_EQ(TabCtrl_GetCurSel(host.tab_control()), HIDDEN);
    EXPECT_EQ(host.main_window_hides, 1);
    EXPECT_TRUE(IsWindowVisible(page_window(HIDDEN)));
    EXPECT_FALSE(IsWindowVisible(page_window(VISIBLE)));
}

TEST_F(VisibleWindowsPage, HideAllHidesEveryListedWindowSelectedOrNot) {
    type_search(VISIBLE, L"r");
    select(VISIBLE, {L"Notes - Editor"});
    click(VISIBLE, IDC_HIDE_ALL);
    EXPECT_TRUE(is_hidden(editor));
    EXPECT_TRUE(is_hidden(browser));
    EXPECT_FALSE(is_hidden(mail)) << "filtered out";
    EXPECT_EQ(host.pages.current_index(), HIDDEN);
    EXPECT_EQ(host.main_window_hides, 1);
}

} // namespace
