#include "engine/engine_fixture.h"

namespace {

constexpr int timer = 22921;
constexpr int other_timer = 22922;

} // namespace

class VisibilityActions : public EngineTest {
protected:
    VisibilityActions() {
        maximised = add_window(L"Report - Editor", show_command::MAXIMIZED);
        minimised = add_window(L"Chat - Messenger", show_command::MINIMIZED);
        normal = add_window(L"Inbox - Mail");
        settle();
    }

    void show(WindowHandle window) { engine.show_window(index_of(window)); }

    WindowHandle maximised = 0;
    WindowHandle minimised = 0;
    WindowHandle normal = 0;
};

TEST_F(VisibilityActions, ShowingRestoresTheShowStateTheWindowHadBeforeItWasHidden) {
    const int past_the_end = model.windows.count();
    engine.hide_window(-1, HiddenWindowRegister::NO_OWNER);
    engine.hide_window(past_the_end, HiddenWindowRegister::NO_OWNER);
    engine.show_window(-1);
    engine.show_window(past_the_end);
    engine.show_windows({past_the_end + 5});
    EXPECT_TRUE(system.show_requests.empty());
    EXPECT_TRUE(system.foreground_requests.empty());

    // Until the next pass the record still holds the state the window was in.
    hide(maximised);
    show(maximised);
    EXPECT_EQ(system.show_requests.back(), (ShowRequest{maximised, show_command::MAXIMIZED}));

    // After it, showing lets the system bring back the state it kept.
    hide(maximised);
    hide(minimised);
    settle();
    system.show_requests.clear();
    show(maximised);
    show(minimised);
    EXPECT_EQ(system.show_requests, (std::vector<ShowRequest>{{maximised, show_command::SHOW},
                                                              {minimised, show_command::SHOW}}));
    EXPECT_EQ(system.window(maximised).show_state, show_command::MAXIMIZED);
    EXPECT_EQ(system.window(minimised).show_state, show_command::MINIMIZED);
    EXPECT_TRUE(is_shown(maximised) && is_shown(minimised));
}

TEST_F(VisibilityActions, ShowWindowsBringsTheLastWindowForwardIfItStillExists) {
    hide(normal);
    hide(minimised);
    hide(maximised);
    settle();

    engine.show_windows({index_of(normal), index_of(minimised)});
    EXPECT_EQ(system.show_requests.back(), (ShowRequest{minimised, show_command::RESTORE}));
    engine.show_windows({index_of(maximised)});
    EXPECT_EQ(system.show_requests.back(), (ShowRequest{maximised, show_command::SHOW}));
    EXPECT_EQ(system.foreground_requests, (std::vector<WindowHandle>{minimised, maximised}));

    hide(normal);
    settle();
    system.close_window(normal);
    engine.show_windows({index_of(normal)});
    EXPECT_EQ(system.foreground_requests.size(), 2u);
}

class GroupActions : public VisibilityActions {
protected:
    GroupActions() {
        model.add_group(make_group(7, {title_pattern(Pattern::ENDS_WITH, L"Mail"),
                                       title_pattern(Pattern::CONTAINS, L" - ")}));
        model.add_ignore_pattern(title_pattern(Pattern::STARTS_WITH, L"Chat"));
    }
};

TEST_F(GroupActions, HideGroupHidesMatchingWindowsAndShowGroupOnlyThoseThisProgramHid) {
    engine.hide_group(0);
    EXPECT_FALSE(is_shown(maximised) || is_shown(normal));
    EXPECT_TRUE(is_shown(minimised));
    const auto elsewhere = add_window(L"Notes - Hidden Elsewhere", show_command::NORMAL, false);
    settle();

    engine.show_group(0);

    EXPECT_TRUE(is_shown(maximised) && is_shown(normal));
    EXPECT_FALSE(is_shown(elsewhere));
    EXPECT_EQ(system.foreground_requests, (std::vector<WindowHandle>{normal}));
}

TEST_F(GroupActions, AGroupIndexThatNoLongerExistsChangesNothing) {
    // A stale index must not be read as the default group, whose id 0 is a real group here.
    model.add_group(make_group(0, {title_pattern(Pattern::CONTAINS, L"Mail")}));
    const HotKey toggle_of_group_zero{.group_id = 0};
    model.add_hot_key(toggle_of_group_zero);

    engine.hide_group(5);
    engine.show_group(-1);
    EXPECT_TRUE(system.show_requests.empty());

    // The toggle key of group 0 still counts its group as shown, so its press hides.
    engine.on_hot_key(toggle_of_group_zero.id);
    EXPECT_FALSE(is_shown(normal));
}

using TimerOwnership = VisibilityActions;

TEST_F(TimerOwnership, TheEndOfATimerShowsOnlyTheWindowsItStillHoldsAndThatStillExist) {
    hide(maximised, timer);
    hide(normal, timer);
    hide(minimised, timer);
    settle();
    show(normal); // shown from a tab
    hide(normal);
    system.close_window(minimised);
    settle();
    system.show_requests.clear();

    engine.show_windows_of_owner(timer);
    engine.show_windows_of_owner(other_timer);

    EXPECT_EQ(system.show_requests, (std::vector<ShowRequest>{{maximised, show_command::SHOW}}));
    EXPECT_FALSE(is_shown(normal));
}

TEST_F(TimerOwnership, AWindowHiddenAgainByAGroupIsShownOnceWhenTheTimerEnds) {
    hide(normal, timer);
    settle();
    hide(normal);
    settle();

    engine.show_windows_of_owner(timer);
    settle();
    ASSERT_TRUE(is_shown(normal));
    hide(normal); // the user hides it once more
    settle();
    engine.show_windows_of_owner(timer); // the next tick outside the period

    EXPECT_FALSE(is_shown(normal));
}

TEST_F(TimerOwnership, OverlappingTimersDoNotFightOverAWindow) {
    hide(normal, timer);
    settle();
    hide(normal, other_timer); // a second timer of the same group is inside its period
    settle();

    engine.show_windows_of_owner(timer); // the first timer's period ends
    settle();
    hide(normal, other_timer); // the next tick of the second timer
    settle();
    system.show_requests.clear();
    engine.show_windows_of_owner(timer);

    EXPECT_TRUE(system.show_requests.empty());
    EXPECT_FALSE(is_shown(normal));
}

TEST_F(TimerOwnership, DuplicatedHandlesAreShownOnceForEachOccurrence) {
    hide(normal, timer);
    hide(normal, timer);
    settle();

    engine.show_windows_of_owner(timer);

    EXPECT_EQ(system.show_requests.size(), 4u);
    EXPECT_TRUE(is_shown(normal));
}
