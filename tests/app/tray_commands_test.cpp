#include "app/tray_commands.h"

#include "app/fake_tray_host.h"
#include "app/tray_menu_text.h"
#include "engine/engine_fixture.h"
#include "engine/fake_clock.h"
#include "timers/timer_scheduler.h"

#include <string>
#include <vector>

namespace {

namespace tray_ids = tray_menu_id;
using Titles = std::vector<std::wstring>;
using HostCalls = std::vector<std::string>;

VisibilityTimer tray_timer(int group_id, std::uint32_t type, bool enabled) {
    VisibilityTimer timer;
    timer.group_id = group_id;
    timer.type = type;
    timer.enabled = enabled;
    timer.duration_m = 20;
    return timer;
}

class TrayMenu : public EngineTest {
protected:
    TrayMenu() {
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
    void choose(int identifier, const std::function<void()>& meanwhile = nullptr) {
        tray.run_menu([&](const TrayMenuContent&) {
            if (meanwhile) {
                meanwhile();
            }
            return identifier;
        });
    }

    // The pointer crosses the icon while `window` is in front.
    void hover_over_icon_with_in_front(WindowHandle window) {
        system.activate(window);
        tray.on_pointer_over_icon();
    }

    WindowHandle browser = add_window(L"News - Browser");
    WindowHandle editor = add_window(L"Notes - Editor");
    WindowHandle player = add_window(L"Tunes - Player");
    WindowHandle ignored = add_window(L"Private - Browser");
    FakeClock clock;
    TimerScheduler scheduler{model, engine, host, clock};
    FakeTrayHost tray_host{engine};
    TrayCommands tray{model, engine, scheduler, system, tray_host};
};

TEST_F(TrayMenu, ListsGroupsTimersAndWindowsOfTheMoment) {
    model.add_timer(tray_timer(7, VisibilityTimer::STOPWATCH, false));
    model.add_timer(tray_timer(4, VisibilityTimer::CLOCK, true));
    model.add_timer(tray_timer(9, VisibilityTimer::STOPWATCH, false));
    choose(tray_ids::HIDE_WINDOW_BASE + 1); // Notes - Editor
    system.window(player).visible = false;  // hidden by another program
    add_window(L"Opened Later");

    const TrayMenuContent content = open_menu();

    EXPECT_EQ(content.groups, (Titles{L"Web Browsers", L"Media Players"}));
    EXPECT_EQ(
        content.timers,
        (std::vector<TimerMenuItem>{
            {L"(Stopwatch) Hides \"Media Players\" for 20 minutes.", false},
            {L"(Clock) Hides \"Web Browsers\" from 12:00 AM until 12:20 AM, (20 minutes).", true},
            // Its group is gone.
            {L"(Stopwatch) Hides \"Untitled Group\" for 20 minutes.", false}}));
    // Record order; the ignored window is never offered, and only what this program hid can be
    // shown.
    EXPECT_EQ(content.windows_to_hide, (Titles{L"News - Browser", L"Opened Later"}));
    EXPECT_EQ(content.windows_to_show, (Titles{L"Notes - Editor"}));

    model.clear_groups();
    model.clear_timers();
    const TrayMenuContent empty = open_menu();
    EXPECT_TRUE(empty.groups.empty());
    EXPECT_TRUE(empty.timers.empty());

    // A submenu stops at the size of its identifier range.
    for (int i = 0; i < 1000; ++i) {
        add_window(L"Window " + std::to_wstring(i));
    }
    const Titles windows = open_menu().windows_to_hide;
    ASSERT_EQ(windows.size(), 1000u);
    EXPECT_EQ(windows.front(), L"News - Browser");
    EXPECT_EQ(windows.back(), L"Window 997");
}

TEST_F(TrayMenu, GroupAndTimerCommandsActOnTheChosenEntry) {
    choose(tray_ids::HIDE_GROUP_BASE + 0);
    EXPECT_FALSE(is_shown(browser));
    EXPECT_TRUE(is_shown(ignored));
    EXPECT_TRUE(is_shown(player));
    choose(tray_ids::SHOW_GROUP_BASE + 0);
    EXPECT_TRUE(is_shown(browser));
    choose(tray_ids::HIDE_GROUP_BASE + 1);
    EXPECT_FALSE(is_shown(player));
    // The group commands leave the pages to the next pass.
    EXPECT_TRUE(tray_host.calls.empty());

    // A timer entry switches its timer, and the next menu shows it.
    model.add_timer(tray_timer(4, VisibilityTimer::CLOCK, true));
    choose(tray_ids::TOGGLE_TIMER_BASE + 0);
    EXPECT_FALSE(model.timer(0).enabled);
    EXPECT_FALSE(open_menu().timers[0].checked);
    choose(tray_ids::TOGGLE_TIMER_BASE + 0);
    EXPECT_TRUE(open_menu().timers[0].checked);
    choose(tray_ids::TOGGLE_TIMER_BASE + 1); // no such timer
    EXPECT_EQ(model.timer_count(), 1);
}

TEST_F(TrayMenu, WindowEntriesFollowTheirWindowWhenTheRecordsChangeMeanwhile) {
    // A pass while the menu is open puts a new window first and moves every record down.
    choose(tray_ids::HIDE_WINDOW_BASE + 1, [&] {
        system.bring_to_top(add_window(L"Opened Meanwhile"));
        engine.enumerate_windows();
    });
    EXPECT_FALSE(is_shown(editor));
    EXPECT_TRUE(is_shown(browser));
    choose(tray_ids::SHOW_WINDOW_BASE + 0);
    EXPECT_TRUE(is_shown(editor));

    // A window closed before its entry is chosen, or an entry beyond the list, changes nothing.
    const std::size_t requests = system.show_requests.size();
    choose(tray_ids::HIDE_WINDOW_BASE + 1, [&] {
        system.close_window(browser);
        engine.enumerate_windows();
    });
    choose(tray_ids::HIDE_WINDOW_BASE + 4);
    EXPECT_EQ(system.show_requests.size(), requests);
    EXPECT_TRUE(is_shown(editor));
    EXPECT_TRUE(is_shown(player));
}

TEST_F(TrayMenu, HideAllThenShowAllActsOnlyOnWhatThisProgramHidAndOnTheMainWindow) {
    system.window(player).visible = false; // hidden by another program
    engine.enumerate_windows();

    choose(tray_ids::HIDE_ALL_WINDOWS);
    EXPECT_FALSE(is_shown(browser));
    EXPECT_FALSE(is_shown(editor));
    EXPECT_TRUE(is_shown(ignored));
    EXPECT_EQ(tray_host.calls,
              (HostCalls{"refresh after action", "switch to tab 1", "hide main window"}));

    tray_host.calls.clear();
    choose(tray_ids::SHOW_ALL_WINDOWS);
    EXPECT_TRUE(is_shown(browser));
    EXPECT_TRUE(is_shown(editor));
    EXPECT_FALSE(is_shown(player));
    EXPECT_EQ(tray_host.calls, (HostCalls{"refresh after action", "switch to tab 0"}));

    // The main window goes even when the tab control keeps its page.
    tray_host.tab_control_accepts = false;
    choose(tray_ids::HIDE_ALL_WINDOWS);
    EXPECT_EQ(tray_host.calls.back(), "hide main window");
}

TEST_F(TrayMenu, ShowAllWindowsGivesTheFocusBackToTheWindowThatWasInFront) {
    hover_over_icon_with_in_front(player);
    choose(tray_ids::HIDE_GROUP_BASE + 0);
    system.window(player).show_state = show_command::MINIMIZED;
    hover_over_icon_with_in_front(player);

    // While the menu is open, the pointer crossing the icon changes nothing.
    choose(tray_ids::SHOW_ALL_WINDOWS, [&] { hover_over_icon_with_in_front(editor); });

    EXPECT_TRUE(is_shown(browser));
    EXPECT_EQ(system.window(player).show_state, show_command::NORMAL);
    ASSERT_FALSE(system.foreground_requests.empty());
    EXPECT_EQ(system.foreground_requests.back(), player);
    EXPECT_EQ(system.show_requests.back(), (ShowRequest{player, show_command::RESTORE}));
}

TEST_F(TrayMenu, NoFocusGoesToAWindowForgottenWithTheLastMenuOrClosed) {
    // The window in front is forgotten once a menu closes: only the shown window itself is
    // brought forward.
    hover_over_icon_with_in_front(editor);
    open_menu();
    choose(tray_ids::HIDE_GROUP_BASE + 0);
    system.activate(player);
    choose(tray_ids::SHOW_ALL_WINDOWS);
    EXPECT_EQ(system.foreground_requests, (std::vector<WindowHandle>{browser}));

    hover_over_icon_with_in_front(editor);
    system.close_window(editor);
    choose(tray_ids::SHOW_ALL_WINDOWS);
    EXPECT_EQ(system.foreground_requests, (std::vector<WindowHandle>{browser}));
}

TEST_F(TrayMenu, ExitRunsTheExitSequenceAndNoChoiceDoesNothing) {
    open_menu();
    choose(39999);
    EXPECT_TRUE(tray_host.calls.empty());

    choose(tray_ids::EXIT);
    EXPECT_EQ(tray_host.calls, (HostCalls{"exit"}));
}

} // namespace
