#include "timers/timer_scheduler.h"

#include "engine/engine_fixture.h"
#include "engine/fake_clock.h"

class TimerScheduling : public EngineTest {
protected:
    TimerScheduling() {
        browser = add_window(L"News - Browser");
        editor = add_window(L"Notes - Editor");
        ignored = add_window(L"Private - Browser");
        model.add_ignore_pattern(title_pattern(Pattern::STARTS_WITH, L"Private"));
        model.add_group(make_group(4, {title_pattern(Pattern::ENDS_WITH, L"Browser")}));
        settle();
    }

    static VisibilityTimer clock_timer(int start_h, int start_m, int duration_h, int duration_m) {
        return {.group_id = 4,
                .type = VisibilityTimer::CLOCK,
                .enabled = true,
                .start_h = start_h,
                .start_m = start_m,
                .duration_h = duration_h,
                .duration_m = duration_m};
    }

    static VisibilityTimer stopwatch(int duration_m) {
        return {.group_id = 4, .type = VisibilityTimer::STOPWATCH, .duration_m = duration_m};
    }

    void tick_at(int hour, int minute, int second = 0) {
        clock.time = {hour, minute, second};
        scheduler.timer_tick();
    }

    void toggle_at(int index, int hour, int minute, int second) {
        clock.time = {hour, minute, second};
        scheduler.toggle_timer(index);
    }

    FakeClock clock;
    TimerScheduler scheduler{model, engine, host, clock};
    WindowHandle browser = 0;
    WindowHandle editor = 0;
    WindowHandle ignored = 0;
};

TEST_F(TimerScheduling, AnActiveClockTimerHidesItsGroupAtEveryTickOfItsPeriodOnly) {
    model.add_timer(clock_timer(22, 0, 4, 0));

    tick_at(21, 59, 59);
    EXPECT_TRUE(is_shown(browser));

    tick_at(23, 30);
    EXPECT_FALSE(is_shown(browser));
    EXPECT_TRUE(is_shown(editor) && is_shown(ignored));
    EXPECT_TRUE(engine.has_owner(model.windows.record(index_of(browser))));

    system.window(browser).visible = true; // its application shows it again
    tick_at(1, 59, 59);
    EXPECT_FALSE(is_shown(browser));

    tick_at(2, 0);
    EXPECT_TRUE(is_shown(browser));
}

TEST_F(TimerScheduling, AnInactiveTimerHidesNothingButStillReleasesItsWindows) {
    auto timer = clock_timer(9, 0, 1, 0);
    model.add_timer(timer);
    tick_at(9, 30);
    ASSERT_FALSE(is_shown(browser));
    timer.enabled = false;
    model.set_timer(0, timer); // an editor cleared it without releasing anything

    tick_at(9, 31);
    EXPECT_FALSE(is_shown(browser));

    tick_at(10, 0);
    EXPECT_TRUE(is_shown(browser));
    tick_at(9, 30);
    EXPECT_TRUE(is_shown(browser));
}

TEST_F(TimerScheduling, EveryTickWaitsAndLooksBeforeAndAfterAndAGroupThatIsGoneHidesNothing) {
    auto timer = clock_timer(0, 0, 23, 59);
    timer.group_id = 40;
    model.add_timer(timer);

    tick_at(12, 0);

    EXPECT_EQ(waiter.waits, (std::vector<unsigned>{100, 100}));
    EXPECT_TRUE(system.show_requests.empty());
}

TEST_F(TimerScheduling, AStopwatchRunsFromItsActivationToTheSecond) {
    model.add_timer(stopwatch(10));
    toggle_at(0, 14, 5, 40);
    EXPECT_EQ(model.timer(0).start_s, 40);

    tick_at(14, 5, 41);
    EXPECT_FALSE(is_shown(browser));
    tick_at(14, 15, 39);
    EXPECT_FALSE(is_shown(browser));
    EXPECT_TRUE(model.timer(0).enabled);

    const int refreshes = host.page_refreshes;
    tick_at(14, 15, 40);
    EXPECT_TRUE(is_shown(browser));
    EXPECT_FALSE(model.timer(0).enabled);
    // The page rebuilds its rows and buttons from the model once the stopwatch has stopped.
    EXPECT_EQ(host.page_rebuilds, 1);
    EXPECT_GT(host.page_refreshes, refreshes);
}

TEST_F(TimerScheduling, DeactivatingAStopwatchShowsItsWindowsAndResetsItsStart) {
    model.add_timer(stopwatch(30));
    toggle_at(0, 8, 1, 2);
    tick_at(8, 2);

    scheduler.toggle_timer(0);

    EXPECT_TRUE(is_shown(browser));
    EXPECT_EQ(model.timer(0), (VisibilityTimer{.id = model.timer(0).id,
                                               .group_id = 4,
                                               .type = VisibilityTimer::STOPWATCH,
                                               .duration_m = 30}));
}

TEST_F(TimerScheduling, DeactivatingAClockTimerShowsAtOnceAndReactivatingHidesAtTheNextTick) {
    model.add_timer(clock_timer(9, 0, 8, 0));
    tick_at(12, 0);

    scheduler.toggle_timer(0);
    EXPECT_TRUE(is_shown(browser));
    EXPECT_EQ(model.timer(0).start_h, 9);

    scheduler.toggle_timer(0);
    scheduler.toggle_timer(1);
    scheduler.toggle_timer(-1);
    EXPECT_TRUE(is_shown(browser));
    tick_at(12, 0, 2);
    EXPECT_FALSE(is_shown(browser));
}

TEST_F(TimerScheduling, TheEndOfThePeriodLeavesAWindowShownFromATabAlone) {
    model.add_timer(clock_timer(9, 0, 1, 0));
    tick_at(9, 59);
    engine.show_window(index_of(browser));
    system.window(browser).visible = false; // later hidden by its own application

    tick_at(10, 0);

    EXPECT_FALSE(is_shown(browser));
}

TEST_F(TimerScheduling, NothingRunsWhileTheExitPromptIsOpen) {
    model.add_timer(clock_timer(0, 0, 23, 59));
    host.is_exiting = true;

    tick_at(12, 0);

    EXPECT_TRUE(waiter.waits.empty());
    EXPECT_TRUE(is_shown(browser));
}
