#include "page_fixture_win.h"
#include "timers_editors_resource.h"

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::wstring>;
constexpr int TIMERS = 4;
constexpr wchar_t EDITOR[] = L"Visibility Timer Editor";
constexpr wchar_t BROWSERS_ROW[] = L"Applies to group \"Browsers\"";
constexpr wchar_t GAMES_ROW[] = L"Applies to group \"Games\"";
const Question ACTIVATE_QUESTION{L"Activate Timer", L"Would you like to activate this timer now?"};
const Question DELETE_QUESTION{L"Delete Visibility Timer",
                               L"Are you sure you'd like to delete the selected timer?"};

std::vector<int> start_of(const VisibilityTimer& timer) {
    return {timer.start_h, timer.start_m, timer.start_s};
}

class TimersPage : public PageTest {
protected:
    // Groups "Browsers" (id 0, titles containing "Browser") and "Games" (1, "Solitaire") with
    // a window each, at 14:05:40.
    void SetUp() override {
        browser_window = add_window(L"Web Browser");
        games_window = add_window(L"Solitaire");
        add_group(L"Browsers", L"Browser");
        add_group(L"Games", L"Solitaire");
        host.wall_clock.time = {14, 5, 40};
    }

    void open_page() {
        create_pages();
        host.pages.select_tab(TIMERS);
    }

    // A clock timer from 14:00 for two hours, so in its period at 14:05.
    void add_clock_timer(bool enabled, int group_id = 0) {
        model.add_timer({.group_id = group_id, .enabled = enabled, .start_h = 14, .duration_h = 2});
    }
    void add_stopwatch() {
        model.add_timer({.group_id = 1, .type = VisibilityTimer::STOPWATCH, .duration_m = 10});
    }

    void add_through_editor(const ModalScript::Action& steps) {
        confirm_in(EDITOR, steps, clicking(TIMERS, IDC_PAGE_ADD));
    }

    void press_key(WORD key) { SendMessageW(list(TIMERS), WM_KEYDOWN, key, 0); }

    // The tool tip the list asks the page for when the mouse rests on a row.
    std::wstring tip_of(int row, int capacity = 1024) {
        std::wstring buffer(static_cast<std::size_t>(capacity), L'#');
        NMLVGETINFOTIPW request{};
        request.hdr.hwndFrom = list(TIMERS);
        request.hdr.idFrom = IDC_TIMER_LIST;
        request.hdr.code = LVN_GETINFOTIPW;
        request.pszText = buffer.data();
        request.cchTextMax = capacity;
        request.iItem = row;
        SendMessageW(page_window(TIMERS), WM_NOTIFY, request.hdr.idFrom,
                     reinterpret_cast<LPARAM>(&request));
        return buffer.c_str();
    }

    std::wstring activate_label() const {
        return user::text_of(control(TIMERS, IDC_TIMER_ACTIVATE));
    }

    void tick() { host.timer_scheduler().timer_tick(); }

    WindowHandle browser_window = 0;
    WindowHandle games_window = 0;
    ModalScript script;
};

TEST_F(TimersPage, RowsTipsAndButtonsDescribeTheTimers) {
    add_clock_timer(true);
    add_stopwatch();
    add_clock_timer(false, 9);
    open_page();
    EXPECT_EQ(column(TIMERS, 0), (Texts{BROWSERS_ROW, GAMES_ROW, L"Invalid group association."}));
    EXPECT_EQ(column(TIMERS, 1), (Texts{L"Active", L"Disabled", L"Disabled"}));
    EXPECT_EQ(column(TIMERS, 2), (Texts{L"Clock", L"Stopwatch", L"Clock"}));
    EXPECT_EQ(tip_of(1), L"This timer will hide \"Games\" for 10 minutes.");
    EXPECT_EQ(tip_of(0, 12), L"This timer ") << "cut to the tip's capacity";

    // The buttons follow the selection, and Activate names what it would do.
    select_row(TIMERS, -1);
    EXPECT_FALSE(enabled(TIMERS, IDC_PAGE_EDIT));
    EXPECT_FALSE(enabled(TIMERS, IDC_PAGE_REMOVE));
    EXPECT_FALSE(enabled(TIMERS, IDC_TIMER_ACTIVATE));
    EXPECT_TRUE(enabled(TIMERS, IDC_PAGE_ADD));
    select_row(TIMERS, 0);
    EXPECT_TRUE(enabled(TIMERS, IDC_PAGE_EDIT));
    EXPECT_TRUE(enabled(TIMERS, IDC_TIMER_ACTIVATE));
    EXPECT_EQ(activate_label(), L"Deactivate");
    select_row(TIMERS, 1);
    EXPECT_EQ(activate_label(), L"Activate");
}

TEST_F(TimersPage, AddWithoutGroupsOnlyExplains) {
    model.clear_groups();
    open_page();
    confirm_in(
        L"No Groups Exist",
        [](HWND box) {
            EXPECT_EQ(user::message_of(box), L"No window groups currently exist.  At least one "
                                             L"group must be created before you can use "
                                             L"visibility timers.");
        },
        clicking(TIMERS, IDC_PAGE_ADD));
    EXPECT_EQ(model.timer_count(), 0);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(TimersPage, AddAppendsTheEditedTimerAndActivatesItOnlyWhenAsked) {
    open_page();
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
    click_through(script, TIMERS, IDC_PAGE_ADD);
    EXPECT_EQ(model.timer_count(), 0);
    EXPECT_TRUE(host.questions.empty());

    // No to the question: the timer stays inactive.
    add_through_editor([](HWND) {});
    EXPECT_EQ(host.questions, (std::vector<Question>{ACTIVATE_QUESTION}));
    ASSERT_EQ(model.timer_count(), 1);
    EXPECT_FALSE(model.timer(0).enabled);
    EXPECT_EQ(column(TIMERS, 1), (Texts{L"Disabled"}));

    // Yes to a stopwatch: it starts counting now.
    host.answers = {true};
    add_through_editor(
        [](HWND editor) { SendDlgItemMessageW(editor, IDC_TIMER_STOPWATCH, BM_CLICK, 0, 0); });
    ASSERT_EQ(model.timer_count(), 2);
    EXPECT_TRUE(model.timer(1).enabled);
    EXPECT_EQ(start_of(model.timer(1)), (std::vector<int>{14, 5, 40}));

    // Yes to a clock timer of "Games": its period starts at the current minute.
    host.answers = {true};
    add_through_editor([](HWND editor) { user::choose(editor, IDC_TIMER_GROUP, 1); });
    ASSERT_EQ(model.timer_count(), 3);
    const VisibilityTimer added = model.timer(2);
    EXPECT_EQ(added.group_id, 1);
    EXPECT_TRUE(added.enabled);
    EXPECT_EQ(added.start_h, 14);
    EXPECT_EQ(added.start_m, 5);
    EXPECT_EQ(added.duration_m, 30);
    EXPECT_EQ(selected_titles(TIMERS), (Texts{GAMES_ROW}));
    EXPECT_TRUE(is_row_selected(list(TIMERS), 2));
    EXPECT_EQ(activate_label(), L"Deactivate");

    tick();
    EXPECT_TRUE(is_hidden(browser_window)) << "the stopwatch hides its group";
    EXPECT_TRUE(is_hidden(games_window)) << "the first tick in its period hides its group";
    EXPECT_TRUE(model.timer(1).enabled);
}

TEST_F(TimersPage, EditStoresTheCopyAtItsIndexOnlyAfterOkByButtonKeyAndMenu) {
    add_clock_timer(false);
    add_stopwatch();
    open_page();
    const ModelLists before(model);
    select_row(TIMERS, 0);
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDC_TIMER_STOPWATCH); });
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_TIMER_GROUP, 1);
        user::choose(editor, IDC_TIMER_DURATION_HOURS, 5);
        user::click(editor, IDCANCEL);
    });
    click_through(script, TIMERS, IDC_PAGE_EDIT);
    EXPECT_EQ(ModelLists(model), before);

    {
        ModalScript never;
        never.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
        notify_list(TIMERS, NM_DBLCLK);
        EXPECT_TRUE(never.seen().empty()) << "a double click on no row opens nothing";
    }
    EXPECT_EQ(ModelLists(model), before);

    confirm_in(
        EDITOR, [](HWND editor) { user::choose(editor, IDC_TIMER_END_HOUR, 4); },
        clicking(TIMERS, IDC_PAGE_EDIT));
    EXPECT_EQ(model.timer(0).duration_h, 3) << "2:00 PM until 5:00 PM";
    EXPECT_TRUE(host.questions.empty());

    confirm_in(
        EDITOR, [](HWND editor) { user::choose(editor, IDC_TIMER_GROUP, 1); },
        [this] { press_key(VK_RETURN); });
    EXPECT_EQ(model.timer(0).group_id, 1);

    select_row(TIMERS, 1);
    confirm_in(
        EDITOR, [](HWND editor) { user::choose(editor, IDC_TIMER_DURATION_MINUTES, 45); },
        [this] { choose_from_menu(TIMERS, 0, 1); });
    EXPECT_EQ(model.timer(1).duration_m, 45);
    EXPECT_EQ(selected_titles(TIMERS), (Texts{GAMES_ROW}));
}

TEST_F(TimersPage, ActivateButtonMenuAndEditorToggleTheSelectedTimerAndRelabelBoth) {
    add_stopwatch();
    open_page();
    select_row(TIMERS, 0);
    click(TIMERS, IDC_TIMER_ACTIVATE);
    EXPECT_TRUE(model.timer(0).enabled);
    EXPECT_EQ(start_of(model.timer(0)), (std::vector<int>{14, 5, 40}));
    EXPECT_EQ(activate_label(), L"Deactivate");
    EXPECT_EQ(column(TIMERS, 1), (Texts{L"Active"}));
    EXPECT_EQ(choose_from_menu(TIMERS, -1, 0),
              (Texts{L"&Edit Timer", L"&Remove Timer", L"", L"Deactivate"}));

    tick();
    ASSERT_TRUE(is_hidden(games_window));
    choose_from_menu(TIMERS, 3, 0);
    EXPECT_FALSE(model.timer(0).enabled);
    EXPECT_EQ(model.timer(0).start_h, 0);
    EXPECT_FALSE(is_hidden(games_window));
    EXPECT_EQ(activate_label(), L"Activate");
    EXPECT_EQ(choose_from_menu(TIMERS, -1, 0).back(), L"Activate");

    // Deactivate in the editor stores the edits and shows the windows at once.
    click(TIMERS, IDC_TIMER_ACTIVATE);
    tick();
    ASSERT_TRUE(is_hidden(games_window));
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::text_of(user::item(editor, IDC_TIMER_ACTIVATE_NOW)), L"Deactivate");
        user::choose(editor, IDC_TIMER_DURATION_MINUTES, 45);
        user::click(editor, IDC_TIMER_ACTIVATE_NOW);
    });
    click_through(script, TIMERS, IDC_PAGE_EDIT);
    EXPECT_FALSE(model.timer(0).enabled);
    EXPECT_EQ(model.timer(0).duration_m, 45);
    EXPECT_FALSE(is_hidden(games_window));
    EXPECT_EQ(column(TIMERS, 1), (Texts{L"Disabled"}));
    EXPECT_EQ(activate_label(), L"Activate");
}

TEST_F(TimersPage, RemoveLeavesTheTimersWindowsHiddenAndDeleteAsksFirst) {
    add_clock_timer(true);
    add_stopwatch();
    add_clock_timer(false);
    open_page();
    tick();
    select_row(TIMERS, 0);
    click_through(script, TIMERS, IDC_PAGE_REMOVE);
    EXPECT_EQ(model.timer_count(), 2);
    EXPECT_TRUE(is_hidden(browser_window));
    EXPECT_TRUE(host.questions.empty());
    tick();
    EXPECT_TRUE(is_hidden(browser_window)) << "no timer releases them any more";

    select_row(TIMERS, 1);
    press_key(VK_DELETE);
    EXPECT_EQ(host.questions, (std::vector<Question>{DELETE_QUESTION}));
    EXPECT_EQ(model.timer_count(), 2);
    host.answers = {true};
    press_key(VK_DELETE);
    EXPECT_EQ(model.timer_count(), 1);
    EXPECT_EQ(column(TIMERS, 2), (Texts{L"Stopwatch"}));
    EXPECT_EQ(selected_titles(TIMERS), (Texts{GAMES_ROW})) << "limited to the last row";

    choose_from_menu(TIMERS, 1, 0);
    EXPECT_EQ(model.timer_count(), 0);
    EXPECT_FALSE(enabled(TIMERS, IDC_TIMER_ACTIVATE));
}

} // namespace
