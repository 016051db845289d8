#include "engine/engine_fixture.h"

class HotKeyDispatch : public EngineTest {
protected:
    HotKeyDispatch() {
        browser = add_window(L"News - Browser", show_command::MAXIMIZED);
        player = add_window(L"Song - Player", show_command::MINIMIZED);
        editor = add_window(L"Notes - Editor");
        taskbar = add_window(L"Start");
        model.add_ignore_pattern(title_pattern(Pattern::EXACTLY_MATCHES, L"Start"));
        model.add_group(make_group(3, {title_pattern(Pattern::ENDS_WITH, L"Browser"),
                                       title_pattern(Pattern::ENDS_WITH, L"Player")}));
        settle();
    }

    std::uint32_t add_group_hot_key(std::uint32_t action, int group_id = 3) {
        const HotKey hot_key{.action = action, .group_id = group_id};
        model.add_hot_key(hot_key);
        return hot_key.id;
    }

    void press_event(int slot) { engine.on_hot_key(model.event_hot_key(slot).id); }

    WindowHandle browser = 0;
    WindowHandle player = 0;
    WindowHandle editor = 0;
    WindowHandle taskbar = 0;
};

TEST_F(HotKeyDispatch, ToggleHidesItsGroupThenShowsExactlyThoseWindowsAsTheyWere) {
    const auto toggle = add_group_hot_key(HotKey::TOGGLE_VISIBILITY);
    const auto hidden_elsewhere = system.add_window({L"Old - Browser", false});
    // The last window shown is brought forward (and restored); keep the minimised one first.
    system.bring_to_top(player);

    engine.on_hot_key(toggle);
    EXPECT_FALSE(is_shown(browser) || is_shown(player));
    EXPECT_TRUE(is_shown(editor));

    engine.on_hot_key(toggle);
    EXPECT_TRUE(is_shown(browser) && is_shown(player));
    EXPECT_FALSE(is_shown(hidden_elsewhere));
    EXPECT_EQ(system.window(browser).show_state, show_command::MAXIMIZED);
    EXPECT_EQ(system.window(player).show_state, show_command::MINIMIZED);
    EXPECT_EQ(system.foreground_requests, (std::vector<WindowHandle>{browser}));

    engine.on_hot_key(toggle);
    EXPECT_FALSE(is_shown(browser));
}

TEST_F(HotKeyDispatch, EachToggleKeyKeepsItsOwnStateWhichHideOnlyShowOnlyAndGroupHidesSet) {
    const auto toggle = add_group_hot_key(HotKey::TOGGLE_VISIBILITY);
    const auto other_toggle = add_group_hot_key(HotKey::TOGGLE_VISIBILITY);
    const auto hide_only = add_group_hot_key(HotKey::HIDE_ONLY);
    const auto show_only = add_group_hot_key(HotKey::SHOW_ONLY);

    engine.on_hot_key(toggle);
    engine.on_hot_key(other_toggle); // counts its group as shown: hides, which changes nothing
    EXPECT_FALSE(is_shown(browser));
    engine.on_hot_key(toggle);
    EXPECT_TRUE(is_shown(browser));

    engine.on_hot_key(hide_only);
    engine.on_hot_key(toggle);
    EXPECT_TRUE(is_shown(browser));

    engine.hide_group(0);
    settle();
    engine.on_hot_key(toggle);
    EXPECT_TRUE(is_shown(browser));

    engine.on_hot_key(show_only);
    engine.on_hot_key(hide_only);
    engine.on_hot_key(show_only); // the toggle key now counts the group as shown again
    engine.on_hot_key(toggle);
    EXPECT_FALSE(is_shown(browser));
}

TEST_F(HotKeyDispatch, AKeyWhoseGroupIsGoneDoesNothingVisibleButStillFlips) {
    const auto toggle = add_group_hot_key(HotKey::TOGGLE_VISIBILITY, 99);
    const auto hide_only = add_group_hot_key(HotKey::HIDE_ONLY, 99);
    const auto unknown_action = add_group_hot_key(7);

    engine.on_hot_key(toggle);
    engine.on_hot_key(hide_only);
    engine.on_hot_key(unknown_action);

    EXPECT_TRUE(system.show_requests.empty());
    model.add_group(make_group(99, {title_pattern(Pattern::CONTAINS, L"Editor")}));
    settle();
    engine.on_hot_key(toggle); // Hide Only left the toggle key showing next: nothing to show
    EXPECT_TRUE(is_shown(editor));
}

TEST_F(HotKeyDispatch, EveryPressWaitsAndLooksBeforeAndAfterItsActionEvenForAnUnknownId) {
    const auto toggle = add_group_hot_key(HotKey::TOGGLE_VISIBILITY);
    const int starts = host.refresh_timer_starts;
    const int refreshes = host.page_refreshes;

    engine.on_hot_key(toggle);

    EXPECT_EQ(waiter.waits, (std::vector<unsigned>{100, 100}));
    EXPECT_EQ(host.refresh_timer_starts, starts + 2);
    // Each pass is followed by a page refresh; the one after the hide also finds a change.
    EXPECT_EQ(host.page_refreshes, refreshes + 3);

    system.show_requests.clear();
    engine.on_hot_key(1);
    EXPECT_EQ(waiter.waits.size(), 4u);
    EXPECT_TRUE(system.show_requests.empty());
    EXPECT_EQ(host.main_window_hides, 0);
}

TEST_F(HotKeyDispatch, TheAllWindowsEventsLeaveIgnoredWindowsAndShowOnlyWhatThisProgramHid) {
    const auto elsewhere = add_window(L"Hidden Elsewhere", show_command::NORMAL, false);
    settle();

    press_event(EVENT_HIDE_ALL_WINDOWS);
    EXPECT_FALSE(is_shown(browser) || is_shown(player) || is_shown(editor));
    EXPECT_TRUE(is_shown(taskbar));
    EXPECT_EQ(host.main_window_hides, 1);

    system.window(taskbar).visible = false; // ignored, and hidden by its own program
    press_event(EVENT_SHOW_ALL_WINDOWS);
    EXPECT_TRUE(is_shown(browser) && is_shown(player) && is_shown(editor));
    EXPECT_FALSE(is_shown(elsewhere) || is_shown(taskbar));
    EXPECT_EQ(host.main_window_hides, 1);

    hide(editor);
    settle();
    press_event(EVENT_TOGGLE_ALL_WINDOWS);
    EXPECT_FALSE(is_shown(browser) || is_shown(player));
    EXPECT_TRUE(is_shown(editor));
    EXPECT_EQ(host.main_window_hides, 2);

    press_event(EVENT_TOGGLE_ALL_WINDOWS);
    EXPECT_TRUE(is_shown(browser) && is_shown(player));
    EXPECT_FALSE(is_shown(editor) || is_shown(elsewhere) || is_shown(taskbar));
}

TEST_F(HotKeyDispatch, TheActiveWindowEventsSpareTheActiveMainAndIgnoredWindows) {
    // Without an active window both stop at once, after the first wait.
    for (const int slot : {EVENT_HIDE_ACTIVE_WINDOW, EVENT_HIDE_ALL_EXCEPT_ACTIVE}) {
        waiter.waits.clear();
        press_event(slot);
        EXPECT_EQ(waiter.waits.size(), 1u);
    }
    for (const WindowHandle untouchable : {host.main, taskbar}) {
        system.activate(untouchable);
        press_event(EVENT_HIDE_ACTIVE_WINDOW);
    }
    EXPECT_TRUE(system.show_requests.empty());

    system.activate(editor);
    press_event(EVENT_HIDE_ACTIVE_WINDOW);
    EXPECT_FALSE(is_shown(editor));
    EXPECT_TRUE(is_shown(browser));
    EXPECT_EQ(host.main_window_hides, 0);

    system.activate(player);
    press_event(EVENT_HIDE_ALL_EXCEPT_ACTIVE);
    EXPECT_TRUE(is_shown(player) && is_shown(taskbar));
    EXPECT_FALSE(is_shown(browser));
    EXPECT_EQ(host.main_window_hides, 1);
}
