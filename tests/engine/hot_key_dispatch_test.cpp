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
        for (int slot = 0; slot < EVENT_COUNT; ++slot) {
            event_ids[slot] = model.event_hot_key(slot).id;
        }
        engine.enumerate_windows();
    }

    std::uint32_t add_group_hot_key(std::uint32_t action, int group_id = 3) {
        HotKey hot_key;
        hot_key.action = action;
        hot_key.group_id = group_id;
        model.add_hot_key(hot_key);
        return hot_key.id;
    }

    // Another program hides a window; this program never touched it.
    WindowHandle add_window_hidden_elsewhere() {
        const auto window = add_window(L"Hidden Elsewhere", show_command::NORMAL, false);
        engine.enumerate_windows();
        return window;
    }

    WindowHandle browser = 0;
    WindowHandle player = 0;
    WindowHandle editor = 0;
    WindowHandle taskbar = 0;
    std::uint32_t event_ids[EVENT_COUNT] = {};
};

TEST_F(HotKeyDispatch, ToggleHidesItsGroupThenShowsExactlyThoseWindowsAsTheyWere) {
    const auto toggle = add_group_hot_key(HotKey::TOGGLE_VISIBILITY);
    const auto hidden_elsewhere = system.add_window({L"Old - Browser", false});
    // The last window shown is brought forward (and restored); keep the minimised one first.
    system.bring_to_top(player);

    engine.on_hot_key(toggle);
    EXPECT_FALSE(is_shown(browser));
    EXPECT_FALSE(is_shown(player));
    EXPECT_TRUE(is_shown(editor));

    engine.on_hot_key(toggle);
    EXPECT_TRUE(is_shown(browser));
    EXPECT_TRUE(is_shown(player));
    EXPECT_FALSE(is_shown(hidden_elsewhere));
    EXPECT_EQ(system.window(browser).show_state, show_command::MAXIMIZED);
    EXPECT_EQ(system.window(player).show_state, show_command::MINIMIZED);
    EXPECT_EQ(system.foreground_requests, (std::vector<WindowHandle>{browser}));

    engine.on_hot_key(toggle);
    EXPECT_FALSE(is_shown(browser));
}

TEST_F(HotKeyDispatch, EachToggleKeyKeepsItsOwnState) {
    const auto first = add_group_hot_key(HotKey::TOGGLE_VISIBILITY);
    const auto second = add_group_hot_key(HotKey::TOGGLE_VISIBILITY);

    engine.on_hot_key(first);
    engine.on_hot_key(second); // counts its group as shown: hides, which changes nothing

    EXPECT_FALSE(is_shown(browser));
    engine.on_hot_key(first);
    EXPECT_TRUE(is_shown(browser));
}

TEST_F(HotKeyDispatch, AfterHideOnlyOrAGroupHideTheNextTogglePressShows) {
    const auto toggle = add_group_hot_key(HotKey::TOGGLE_VISIBILITY);
    const auto hide_only = add_group_hot_key(HotKey::HIDE_ONLY);
    const auto show_only = add_group_hot_key(HotKey::SHOW_ONLY);

    engine.on_hot_key(hide_only);
    engine.on_hot_key(toggle);
    EXPECT_TRUE(is_shown(browser));

    engine.hide_group(0);
    engine.enumerate_windows();
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
    engine.enumerate_windows();
    engine.on_hot_key(toggle); // Hide Only left the toggle key showing next: nothing to show
    EXPECT_TRUE(is_shown(editor));
}

TEST_F(HotKeyDispatch, EveryPressWaitsAndLooksBeforeAndAfterItsAction) {
    const auto toggle = add_group_hot_key(HotKey::TOGGLE_VISIBILITY);
    const int starts = host.refresh_timer_starts;
    const int refreshes = host.page_refreshes;

    engine.on_hot_key(toggle);

    EXPECT_EQ(waiter.waits, (std::vector<unsigned>{100, 100}));
    EXPECT_EQ(host.refresh_timer_starts, starts + 2);
    // Each pass is followed by a page refresh; the one after the hide also finds a change.
    EXPECT_EQ(host.page_refreshes, refreshes + 3);
}

TEST_F(HotKeyDispatch, AnIdThatMatchesNothingOnlyRefreshes) {
    engine.on_hot_key(1);

    EXPECT_EQ(waiter.waits.size(), 2u);
    EXPECT_TRUE(system.show_requests.empty());
    EXPECT_EQ(host.main_window_hides, 0);
}

TEST_F(HotKeyDispatch, HideAllWindowsHidesEveryListedWindowAndTheMainWindow) {
    engine.on_hot_key(event_ids[EVENT_HIDE_ALL_WINDOWS]);

    EXPECT_FALSE(is_shown(browser) || is_shown(player) || is_shown(editor));
    EXPECT_TRUE(is_shown(taskbar));
    EXPECT_EQ(host.main_window_hides, 1);
}

TEST_F(HotKeyDispatch, ShowAllWindowsShowsOnlyWhatThisProgramHidAndLeavesTheMainWindow) {
    const auto elsewhere = add_window_hidden_elsewhere();
    engine.on_hot_key(event_ids[EVENT_HIDE_ALL_WINDOWS]);
    system.window(taskbar).visible = false; // ignored, and hidden by its own program

    engine.on_hot_key(event_ids[EVENT_SHOW_ALL_WINDOWS]);

    EXPECT_TRUE(is_shown(browser) && is_shown(player) && is_shown(editor));
    EXPECT_FALSE(is_shown(elsewhere));
    EXPECT_FALSE(is_shown(taskbar));
    EXPECT_FALSE(host.shown);
    EXPECT_EQ(host.main_window_hides, 1);
}

TEST_F(HotKeyDispatch, ToggleAllWindowsSwapsWhatIsShownAndHidesTheMainWindow) {
    engine.hide_window(index_of(editor), HiddenWindowRegister::NO_OWNER);
    engine.enumerate_windows();

    engine.on_hot_key(event_ids[EVENT_TOGGLE_ALL_WINDOWS]);

    EXPECT_FALSE(is_shown(browser) || is_shown(player));
    EXPECT_TRUE(is_shown(editor));
    EXPECT_EQ(host.main_window_hides, 1);

    engine.on_hot_key(event_ids[EVENT_TOGGLE_ALL_WINDOWS]);
    EXPECT_TRUE(is_shown(browser) && is_shown(player));
    EXPECT_FALSE(is_shown(editor));
}

TEST_F(HotKeyDispatch, HideTheActiveWindowHidesOnlyItUnlessItIsTheMainOrAnIgnoredWindow) {
    for (const WindowHandle untouchable : {host.main, taskbar}) {
        system.activate(untouchable);
        engine.on_hot_key(event_ids[EVENT_HIDE_ACTIVE_WINDOW]);
    }
    EXPECT_TRUE(system.show_requests.empty());

    system.activate(editor);
    engine.on_hot_key(event_ids[EVENT_HIDE_ACTIVE_WINDOW]);

    EXPECT_FALSE(is_shown(editor));
    EXPECT_TRUE(is_shown(browser));
    EXPECT_EQ(host.main_window_hides, 0);
}

TEST_F(HotKeyDispatch, HideAllExceptActiveKeepsTheActiveAndIgnoredWindows) {
    system.activate(player);

    engine.on_hot_key(event_ids[EVENT_HIDE_ALL_EXCEPT_ACTIVE]);

    EXPECT_TRUE(is_shown(player) && is_shown(taskbar));
    EXPECT_FALSE(is_shown(browser) || is_shown(editor));
    EXPECT_EQ(host.main_window_hides, 1);
}

TEST_F(HotKeyDispatch, TheActiveWindowEventsStopAtOnceWithoutAnActiveWindow) {
    for (const int slot : {EVENT_HIDE_ACTIVE_WINDOW, EVENT_HIDE_ALL_EXCEPT_ACTIVE}) {
        waiter.waits.clear();

        engine.on_hot_key(event_ids[slot]);

        EXPECT_TRUE(system.show_requests.empty());
        EXPECT_EQ(host.main_window_hides, 0);
        EXPECT_EQ(waiter.waits.size(), 1u);
    }
}
