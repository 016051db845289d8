#include "page_fixture_win.h"
#include "timers_editors_resource.h"

namespace {

constexpr wchar_t EDITOR[] = L"Visibility Timer Editor";

std::vector<int> start_of(const VisibilityTimer& timer) {
    return {timer.start_h, timer.start_m, timer.start_s};
}
// A time as the editor's three lists show it, from the hour list on.
Texts shown_time(HWND editor, int hour_list) {
    return {user::chosen_text(editor, hour_list), user::chosen_text(editor, hour_list + 1),
            user::chosen_text(editor, hour_list + 2)};
}

// Groups "Browsers" (id 0, "Browser" in titles) and "Games" (1, "Solitaire"), a window each,
// 14:05:40.
class TimersPage : public PageTest {
protected:
    void SetUp() override {
        browser_window = add_window(L"Web Browser");
        games_window = add_window(L"Solitaire");
        add_group(L"Browsers", L"Browser");
        add_group(L"Games", L"Solitaire");
        host.wall_clock.time = {14, 5, 40};
        create_pages();
        host.pages.select_tab(TIMERS);
    }

    void tick() { host.timer_scheduler().timer_tick(); }

    WindowHandle browser_window = 0, games_window = 0;
};

TEST_F(TimersPage, AStopwatchAddedAndActivatedRunsThroughAnEditAndSwitchesItselfOff) {
    script.on(EDITOR, [this](HWND editor) {
        EXPECT_EQ(GetWindow(editor, GW_OWNER), host.main_dialog());
        EXPECT_TRUE(IsDlgButtonChecked(editor, IDC_TIMER_CLOCK));
        EXPECT_EQ(shown_time(editor, IDC_TIMER_START_HOUR), (Texts{L"02", L"05", L"PM"}));
        EXPECT_EQ(shown_time(editor, IDC_TIMER_END_HOUR), (Texts{L"02", L"35", L"PM"}));
        user::click(editor, IDC_TIMER_STOPWATCH);
    });
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_TIMER_GROUP, 1);
        user::choose(editor, IDC_TIMER_DURATION_MINUTES, 10);
        user::click(editor, IDOK);
    });
    host.answer = true;
    script.run([this] { click(TIMERS, IDC_PAGE_ADD); });
    EXPECT_EQ(host.questions, Texts{L"Activate Timer"});
    ASSERT_EQ(model.timer_count(), 1);
    const VisibilityTimer added = model.timer(0);
    EXPECT_EQ(std::tuple(added.group_id, added.type, added.enabled, added.duration_m),
              std::tuple(1, VisibilityTimer::STOPWATCH, true, 10));
    EXPECT_EQ(start_of(added), (std::vector<int>{14, 5, 40})) << "started as Activate starts it";
    EXPECT_EQ(user::text_of(control(TIMERS, IDC_TIMER_ACTIVATE)), L"Deactivate");
    tick();
    EXPECT_TRUE(is_hidden(games_window) && !is_hidden(browser_window));

    // A running stopwatch keeps the second it started at through an edit.
    host.wall_clock.time = {14, 7, 0};
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::text_of(GetDlgItem(editor, IDC_TIMER_ACTIVATE_NOW)), L"Deactivate");
        user::choose(editor, IDC_TIMER_DURATION_MINUTES, 20);
        user::click(editor, IDOK);
    });
    script.run([this] { press_key(TIMERS, VK_RETURN); });
    EXPECT_EQ(start_of(model.timer(0)), (std::vector<int>{14, 5, 40}));
    EXPECT_EQ(model.timer(0).duration_m, 20);
    // "Stopwatch" clicked again starts it over from now, not from 0:00:00.
    host.wall_clock.time = {14, 8, 9};
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDC_TIMER_STOPWATCH); });
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
    script.run([this] { press_key(TIMERS, VK_RETURN); });
    EXPECT_EQ(start_of(model.timer(0)), (std::vector<int>{14, 8, 9}));
}

TEST_F(TimersPage, ClockTimersAreSwitchedByMenuAndEditorAndTheDeleteKeyAsksFirst) {
    model.add_timer({.group_id = 42, .start_h = 14, .duration_h = 2});
    model.add_timer({.group_id = 0, .start_h = 14, .duration_h = 2});
    host.pages.page(TIMERS)->refresh();
    EXPECT_EQ(column(TIMERS),
              (Texts{L"Invalid group association.", L"Applies to group \"Browsers\""}));
    screenshot(host.main_dialog(), L"timers_page");

    // A timer whose group is gone shows the first group and stores what it shows.
    select_row(TIMERS, {0});
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::chosen_text(editor, IDC_TIMER_GROUP), L"Browsers");
        user::click(editor, IDOK);
    });
    script.run([this] { notify_list(TIMERS, NM_DBLCLK, 0); });
    EXPECT_EQ(model.timer(0).group_id, 0);

    // The menu and the editor's own button switch the selected timer.
    select_row(TIMERS, {1});
    EXPECT_EQ(choose_from_menu(TIMERS, 3, 1).back(), L"Activate");
    tick();
    EXPECT_TRUE(model.timer(1).enabled && is_hidden(browser_window));
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_TIMER_END_HOUR, 4);
        user::click(editor, IDC_TIMER_ACTIVATE_NOW);
    });
    script.run([this] { click(TIMERS, IDC_PAGE_EDIT); });
    EXPECT_FALSE(model.timer(1).enabled || is_hidden(browser_window)) << "shown at once";
    EXPECT_EQ(model.timer(1).duration_h, 3) << "2:00 PM until 5:00 PM";
    EXPECT_EQ(column(TIMERS, 1), (Texts{L"Disabled", L"Disabled"}));
    EXPECT_EQ(user::text_of(control(TIMERS, IDC_TIMER_ACTIVATE)), L"Activate");

    // Delete asks first; a removed timer leaves its windows hidden.
    click(TIMERS, IDC_TIMER_ACTIVATE);
    tick();
    press_key(TIMERS, VK_DELETE);
    EXPECT_EQ(model.timer_count(), 2);
    host.answer = true;
    press_key(TIMERS, VK_DELETE);
    EXPECT_EQ(host.questions, (Texts{L"Delete Visibility Timer", L"Delete Visibility Timer"}));
    EXPECT_TRUE(is_hidden(browser_window));
    click(TIMERS, IDC_PAGE_REMOVE);
    EXPECT_EQ(model.timer_count(), 0);
    EXPECT_EQ(host.questions.size(), 2u);
}

} // namespace
