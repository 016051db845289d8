#include "page_fixture_win.h"

#include "engine/hidden_window_register.h"
#include "engine/show_commands.h"

namespace {

using Titles = std::vector<std::wstring>;
constexpr int VISIBLE = 0;
constexpr int HIDDEN = 1;

// How every question before unhiding windows this program did not hide ends.
const std::wstring RISK = L"\r\n\r\nAltering system windows is not recommended, as it may lead to "
                          L"instability or other unpredictable results.\r\n\r\nAre you sure "
                          L"you'd like to continue?";
const Question ONE_FOREIGN{
    L"Unhide Window",
    L"The selected window was not hidden by this application during this session." + RISK};
const Question SEVERAL_FOREIGN{
    L"Unhide Window",
    L"Some of the selected windows were not hidden by this application during this session." +
        RISK};
const Question SHOW_ALL{L"Unhide Window", L"You've chosen to unhide ALL windows, including those "
                                          L"not hidden by this application." +
                                              RISK};
const Question LIST_ALL{L"Hidden Windows", L"Enabling this option will list all hidden windows, "
                                           L"whether hidden by this application or not." +
                                               RISK};
const Titles HID_HERE{L"Notes - Editor", L"Start Page - Browser"};

// Two windows this program hid from the visible windows page, two that other programs hid,
// and one still visible; the hidden windows page is current.
class HiddenWindowsPage : public PageTest {
protected:
    void SetUp() override {
        editor = add_window(L"Notes - Editor", L"editor.exe", show_command::MAXIMIZED);
        browser = add_window(L"Start Page - Browser", L"browser.exe");
        mail = add_window(L"Inbox - Mail", L"mail.exe");
        tool_tip = add_hidden_window(L"Tool Tip");
        service = add_hidden_window(L"Service Window");
        create_pages();
        select(VISIBLE, HID_HERE);
        click(VISIBLE, IDC_HIDE_SELECTED);
        host.pages.switch_to_tab(HIDDEN);
        waiter.waits.clear();
    }

    void list_all_hidden(bool answer) {
        host.answers.push_back(answer);
        click(HIDDEN, IDC_LIST_ALL_HIDDEN);
    }

    bool list_all_ticked() const {
        return SendMessageW(control(HIDDEN, IDC_LIST_ALL_HIDDEN), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    WindowHandle editor = 0;
    WindowHandle browser = 0;
    WindowHandle mail = 0;
    WindowHandle tool_tip = 0;
    WindowHandle service = 0;
};

TEST_F(HiddenWindowsPage, ShowSelectedOrDoubleClickShowsInTheEarlierStateWithoutAsking) {
    EXPECT_EQ(column(HIDDEN), HID_HERE) << "only the windows this program hid";
    EXPECT_FALSE(enabled(HIDDEN, IDC_SHOW_SELECTED));
    EXPECT_FALSE(enabled(HIDDEN, IDC_SHOW_ALL_BUT_SELECTED));
    EXPECT_TRUE(enabled(HIDDEN, IDC_SHOW_ALL));
    EXPECT_TRUE(enabled(HIDDEN, IDC_LIST_ALL_HIDDEN));
    select(HIDDEN, {L"Notes - Editor"});
    EXPECT_TRUE(enabled(HIDDEN, IDC_SHOW_SELECTED));
    EXPECT_TRUE(enabled(HIDDEN, IDC_SHOW_ALL_BUT_SELECTED));

    click(HIDDEN, IDC_SHOW_SELECTED);
    EXPECT_FALSE(is_hidden(editor));
    EXPECT_EQ(system.window(editor).show_state, show_command::MAXIMIZED);
    EXPECT_TRUE(is_hidden(browser));
    EXPECT_EQ(column(HIDDEN), (Titles{L"Start Page - Browser"}));
    EXPECT_EQ(waiter.waits, (std::vector<unsigned>{100}));

    select(HIDDEN, {L"Start Page - Browser"});
    notify_list(HIDDEN, NM_DBLCLK);
    EXPECT_FALSE(is_hidden(browser));
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(HiddenWindowsPage, ShowAllShowsTheListFromTheLastRowAndSwitchesToTheVisiblePage) {
    system.show_requests.clear();
    click(HIDDEN, IDC_SHOW_ALL);
    ASSERT_EQ(system.show_requests.size(), 2u);
    EXPECT_EQ(system.show_requests[0].window, browser);
    EXPECT_EQ(system.show_requests[1].window, editor);
    EXPECT_FALSE(is_hidden(editor) || is_hidden(browser));
    EXPECT_TRUE(is_hidden(tool_tip));
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(host.pages.current_index(), VISIBLE);
    EXPECT_EQ(TabCtrl_GetCurSel(host.tab_control()), VISIBLE);
    EXPECT_EQ(host.main_window_hides, 0);
    EXPECT_EQ(column(VISIBLE).size(), 3u);
}

TEST_F(HiddenWindowsPage, ListAllAsksFirstAndListsWindowsOtherProgramsHidUntilUnticked) {
    list_all_hidden(false);
    EXPECT_EQ(host.questions, (std::vector<Question>{LIST_ALL}));
    EXPECT_FALSE(list_all_ticked());
    EXPECT_EQ(column(HIDDEN), HID_HERE);

    list_all_hidden(true);
    EXPECT_TRUE(list_all_ticked());
    EXPECT_EQ(column(HIDDEN),
              (Titles{L"Notes - Editor", L"Service Window", L"Start Page - Browser", L"Tool Tip"}));
    click(HIDDEN, IDC_LIST_ALL_HIDDEN);
    EXPECT_EQ(host.questions.size(), 2u) << "unticking asks nothing";
    EXPECT_EQ(column(HIDDEN), HID_HERE);
}

TEST_F(HiddenWindowsPage, ShowSelectedAsksBeforeShowingWindowsOtherProgramsHid) {
    list_all_hidden(true);
    select(HIDDEN, {L"Service Window", L"Tool Tip"});
    click(HIDDEN, IDC_SHOW_SELECTED);
    EXPECT_EQ(host.questions.back(), SEVERAL_FOREIGN);
    EXPECT_TRUE(is_hidden(service));
    EXPECT_TRUE(is_hidden(tool_tip));
    EXPECT_TRUE(waiter.waits.empty());
    EXPECT_EQ(selected_titles(HIDDEN), (Titles{L"Service Window", L"Tool Tip"}));

    select(HIDDEN, {L"Notes - Editor", L"Tool Tip"});
    host.answers.push_back(true);
    click(HIDDEN, IDC_SHOW_SELECTED);
    EXPECT_EQ(host.questions.back(), ONE_FOREIGN);
    EXPECT_FALSE(is_hidden(editor));
    EXPECT_FALSE(is_hidden(tool_tip));
}

TEST_F(HiddenWindowsPage, ShowAllButSelectedCountsTheUnselectedRowsForItsQuestion) {
    list_all_hidden(true);
    select(HIDDEN, {L"Service Window", L"Tool Tip"});
    click(HIDDEN, IDC_SHOW_ALL_BUT_SELECTED);
    EXPECT_EQ(host.questions.size(), 1u);
    EXPECT_FALSE(is_hidden(editor));
    EXPECT_FALSE(is_hidden(browser));
    EXPECT_TRUE(is_hidden(service));
    EXPECT_EQ(host.pages.current_index(), HIDDEN);

    select(HIDDEN, {L"Service Window"});
    click(HIDDEN, IDC_SHOW_ALL_BUT_SELECTED);
    EXPECT_EQ(host.questions.back(), ONE_FOREIGN);
    EXPECT_TRUE(is_hidden(tool_tip));
}

TEST_F(HiddenWindowsPage, ShowAllWithListAllAsksEvenWhenThisProgramHidEveryRow) {
    list_all_hidden(true);
    type_search(HIDDEN, L"NOTES");
    EXPECT_EQ(column(HIDDEN), (Titles{L"Notes - Editor"}));
    click(HIDDEN, IDC_SHOW_ALL);
    EXPECT_EQ(host.questions.back(), SHOW_ALL);
    EXPECT_TRUE(is_hidden(editor));
    EXPECT_EQ(host.pages.current_index(), HIDDEN);

    host.answers.push_back(true);
    click(HIDDEN, IDC_SHOW_ALL);
    EXPECT_FALSE(is_hidden(editor));
    EXPECT_TRUE(is_hidden(tool_tip));
    EXPECT_EQ(host.pages.current_index(), VISIBLE);
}

TEST_F(HiddenWindowsPage, AWindowATimerHoldsIsMarkedAndShowingItReleasesIt) {
    const int owner = 22921;
    host.window_engine().hide_window(model.windows.find_index(mail), owner);
    host.window_engine().enumerate_windows();
    EXPECT_EQ(column(HIDDEN), (Titles{L"(Hidden By Visibility Timer) Inbox - Mail",
                                      L"Notes - Editor", L"Start Page - Browser"}));
    select(HIDDEN, {L"(Hidden By Visibility Timer) Inbox - Mail"});
    click(HIDDEN, IDC_SHOW_SELECTED);
    EXPECT_FALSE(is_hidden(mail));
    EXPECT_TRUE(model.windows.hidden_register.windows_of(owner).empty());
}

} // namespace
