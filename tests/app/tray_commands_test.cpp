#include "app/tray_commands.h"

#include "app/fake_tray_host.h"
#include "app/tray_menu_text.h"
#include "engine/engine_fixture.h"
#include "engine/fake_clock.h"
#include "timers/timer_scheduler.h"

#include <string>
#include <vector>

namespace {

int hide_group_id(int index) {
    return tray_menu_id::HIDE_GROUP_BASE + index;
}
int show_group_id(int index) {
    return tray_menu_id::SHOW_GROUP_BASE + index;
}
int timer_id(int index) {
    return tray_menu_id::TOGGLE_TIMER_BASE + index;
}
int hide_window_id(int index) {
    return tray_menu_id::HIDE_WINDOW_BASE + index;
}
int show_window_id(int index) {
    return tray_menu_id::SHOW_WINDOW_BASE + index;
}

class TrayMenu : public EngineTest {
protected:
    TrayMenu() {
        browser = add_window(L"News - Browser");
        editor = add_window(L"Notes - Editor");
        player = add_window(L"Tunes - Player");
        ignored = add_window(L"Private - Browser");
        model.add_ignore_pattern(title_pattern(Pattern::STARTS_WITH, L"Private"));
        Group browsers = make_group(4, {title_pattern(Pattern::ENDS_WITH, L"Browser")});
        browsers.set_name(L"Web Browsers");
        model.add_group(browsers);
        Group players = make_group(7, {title_pattern(Pattern::ENDS_WITH, L"Player")});
        players.set_name(L"Media Players");
        model.add_group(players);
        engine.enumerate_windows();
    }

    // Opens the menu and returns what it listed, choosing nothing.
    TrayMenuContent open_menu() {
        TrayMenuContent listed;
        tray.run_menu([&](const TrayMenuContent& content) {
            listed = content;
            return 0;
        });
        return listed;
    }

    // Opens the menu and chooses `identifier`; `meanwhile` runs while the menu is open.
    void choose(int identifier, const std::function<void()>& meanwhile = {}) {
        tray.run_menu([&](const TrayMenuContent&) {
            if (meanwhile) {
                meanwhile();
            }
            return identifier;
        });
    }

    void hide_by_another_program(WindowHandle window) { system.window(window).visible = false; }

    FakeClock clock;
    TimerScheduler scheduler{model, engine, host, clock};
    FakeTrayHost tray_host{engine};
    TrayCommands tray{model, engine, scheduler, system, tray_host};
    WindowHandle browser = 0;
    WindowHandle editor = 0;
    WindowHandle player = 0;
    WindowHandle ignored = 0;
};

using Titles = std::vector<std::wstring>;

} // namespace

TEST_F(TrayMenu, ListsGroupsTimersAndWindowsOfTheMoment) {
    VisibilityTimer timer;
    timer.group_id = 7;
    timer.type = VisibilityTimer::STOPWATCH;
    timer.duration_m = 20;
    model.add_timer(timer);
    timer.group_id = 4;
    timer.type = VisibilityTimer::CLOCK;
    timer.enabled = true;
    model.add_timer(timer);
    choose(hide_window_id(1)); // Notes - Editor
    hide_by_another_program(player);
    add_window(L"Opened Later");

    const TrayMenuContent content = open_menu();

    EXPECT_EQ(content.groups, (Titles{L"Web Browsers", L"Media Players"}));
    ASSERT_EQ(content.timers.size(), 2u);
    EXPECT_EQ(content.timers[0],
              (TimerMenuItem{L"(Stopwatch) Hides \"Media Players\" for 20 minutes.", false}));
    EXPECT_EQ(content.timers[1].text,
              L"(Clock) Hides \"Web Browsers\" from 12:00 AM until 12:20 AM, (20 minutes).");
    EXPECT_TRUE(content.timers[1].checked);
    // Record order; the ignored window is never offered, and only what this program hid can be
    // shown.
    EXPECT_EQ(content.windows_to_hide, (Titles{L"News - Browser", L"Opened Later"}));
    EXPECT_EQ(content.windows_to_show, (Titles{L"Notes - Editor"}));
}

TEST_F(TrayMenu, EmptyModelListsNoGroupsAndNoTimers) {
    model.clear_groups();

    const TrayMenuContent content = open_menu();

    EXPECT_TRUE(content.groups.empty());
    EXPECT_TRUE(content.timers.empty());
    EXPECT_EQ(content.windows_to_hide.size(), 3u);
    EXPECT_TRUE(content.windows_to_show.empty());
}

TEST_F(TrayMenu, SubmenusStopAtTheSizeOfTheirIdentifierRange) {
    for (int i = 0; i < 1000; ++i) {
        add_window(L"Window " + std::to_wstring(i));
    }

    const TrayMenuContent content = open_menu();

    ASSERT_EQ(content.windows_to_hide.size(), 1000u);
    EXPECT_EQ(content.windows_to_hide.front(), L"News - Browser");
    EXPECT_EQ(content.windows_to_hide.back(), L"Window 996");
}

TEST_F(TrayMenu, GroupCommandsHideAndShowTheGroupsWindows) {
    choose(hide_group_id(0));
    EXPECT_FALSE(is_shown(browser));
    EXPECT_TRUE(is_shown(ignored));
    EXPECT_TRUE(is_shown(player));

    choose(show_group_id(0));
    EXPECT_TRUE(is_shown(browser));

    choose(hide_group_id(1));
    EXPECT_FALSE(is_shown(player));
    // The group commands leave the pages to the next pass.
    EXPECT_TRUE(tray_host.calls.empty());
}

TEST_F(TrayMenu, ChoosingATimerSwitchesItAndTheNextMenuShowsIt) {
    VisibilityTimer timer;
    timer.group_id = 4;
    timer.duration_h = 1;
    timer.enabled = true;
    model.add_timer(timer);

    choose(timer_id(0));

    EXPECT_FALSE(model.timer(0).enabled);
    EXPECT_FALSE(open_menu().timers[0].checked);
    choose(timer_id(0));
    EXPECT_TRUE(open_menu().timers[0].checked);
    choose(timer_id(1)); // no such timer
    EXPECT_EQ(model.timer_count(), 1);
}

TEST_F(TrayMenu, WindowEntriesFollowTheirWindowWhenTheRecordsChangeMeanwhile) {
    // A pass while the menu is open puts a new window first and moves every record down.
    choose(hide_window_id(1), [&] {
        system.bring_to_top(add_window(L"Opened Meanwhile"));
        engine.enumerate_windows();
    });

    EXPECT_FALSE(is_shown(editor));
    EXPECT_TRUE(is_shown(browser));

    choose(show_window_id(0));
    EXPECT_TRUE(is_shown(editor));
}

TEST_F(TrayMenu, WindowClosedBeforeItsEntryIsChosenIsLeftAlone) {
    const std::size_t requests = system.show_requests.size();

    choose(hide_window_id(0), [&] {
        system.close_window(browser);
        engine.enumerate_windows();
    });
    choose(hide_window_id(3)); // beyond the three windows listed

    EXPECT_EQ(system.show_requests.size(), requests);
    EXPECT_TRUE(is_shown(editor));
    EXPECT_TRUE(is_shown(player));
}

TEST_F(TrayMenu, HideAllWindowsHidesEveryListedWindowAndTheMainWindow) {
    choose(tray_menu_id::HIDE_ALL_WINDOWS);

    EXPECT_FALSE(is_shown(browser));
    EXPECT_FALSE(is_shown(editor));
    EXPECT_FALSE(is_shown(player));
    EXPECT_TRUE(is_shown(ignored));
    EXPECT_EQ(tray_host.calls, (std::vector<std::string>{"refresh after action", "switch to tab 1",
                                                         "hide main window"}));
}

TEST_F(TrayMenu, HideAllWindowsHidesTheMainWindowEvenWhenTheTabStays) {
    tray_host.tab_control_accepts = false;

    choose(tray_menu_id::HIDE_ALL_WINDOWS);

    EXPECT_EQ(tray_host.calls.back(), "hide main window");
}

TEST_F(TrayMenu, ShowAllWindowsShowsOnlyWhatThisProgramHid) {
    choose(hide_group_id(0));
    choose(hide_window_id(0)); // Notes - Editor, now first of the visible windows
    hide_by_another_program(player);
    engine.enumerate_windows();

    choose(tray_menu_id::SHOW_ALL_WINDOWS);

    EXPECT_TRUE(is_shown(browser));
    EXPECT_TRUE(is_shown(editor));
    EXPECT_FALSE(is_shown(player));
    EXPECT_EQ(tray_host.calls,
              (std::vector<std::string>{"refresh after action", "switch to tab 0"}));
}

TEST_F(TrayMenu, ShowAllWindowsGivesTheFocusBackToTheWindowThatWasInFront) {
    system.activate(player);
    tray.on_pointer_over_icon();
    choose(hide_group_id(0));
    system.window(player).show_state = show_command::MINIMIZED;
    system.activate(player);
    tray.on_pointer_over_icon();

    // While the menu is open, the pointer crossing the icon changes nothing.
    choose(tray_menu_id::SHOW_ALL_WINDOWS, [&] {
        system.activate(editor);
        tray.on_pointer_over_icon();
    });

    EXPECT_TRUE(is_shown(browser));
    EXPECT_EQ(system.window(player).show_state, show_command::NORMAL);
    ASSERT_FALSE(system.foreground_requests.empty());
    EXPECT_EQ(system.foreground_requests.back(), player);
    EXPECT_EQ(system.show_requests.back(), (ShowRequest{player, show_command::RESTORE}));
}

TEST_F(TrayMenu, RememberedWindowIsForgottenOnceTheMenuCloses) {
    system.activate(editor);
    tray.on_pointer_over_icon();
    open_menu();
    choose(hide_group_id(0));
    system.activate(player);

    choose(tray_menu_id::SHOW_ALL_WINDOWS);

    // Only the shown window itself is brought forward.
    EXPECT_EQ(system.foreground_requests, (std::vector<WindowHandle>{browser}));
}

TEST_F(TrayMenu, ClosedRememberedWindowGetsNoFocus) {
    system.activate(editor);
    tray.on_pointer_over_icon();
    system.close_window(editor);
    const std::size_t requests = system.foreground_requests.size();

    choose(tray_menu_id::SHOW_ALL_WINDOWS);

    EXPECT_EQ(system.foreground_requests.size(), requests);
}

TEST_F(TrayMenu, ExitRunsTheExitSequenceAndNoChoiceDoesNothing) {
    open_menu();
    choose(39999);
    EXPECT_TRUE(tray_host.calls.empty());

    choose(tray_menu_id::EXIT);
    EXPECT_EQ(tray_host.calls, (std::vector<std::string>{"exit"}));
}
