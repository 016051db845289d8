#include "timers/timer_scheduler.h"

#include "engine/engine_fixture.h"
#include "engine/fake_clock.h"
#include "harness/temporary_folder.h"

class TimerScheduling : public EngineTest {
protected:
    TimerScheduling() {
        model.add_group(make_group(4, {title_pattern(Pattern::ENDS_WITH, L"Browser")}));
    }

    void tick_at(int hour, int minute, int second = 0) {
        clock.time = {hour, minute, second};
        scheduler.timer_tick();
    }

    FakeClock clock;
    TimerScheduler scheduler{model, engine, host, clock};
    WindowHandle browser = add_window(L"News - Browser");
    WindowHandle old_browser = add_window(L"Old - Browser");
    WindowHandle editor = add_window(L"Notes - Editor");
};

TEST_F(TimerScheduling, AClockTimerHidesItsGroupInItsPeriodAndAStopwatchUntilItsLastSecond) {
    model.add_timer({.group_id = 4, .enabled = true, .start_h = 22, .duration_h = 4});
    model.add_timer({.group_id = 40, .enabled = true, .duration_h = 23}); // its group is gone
    tick_at(23, 30);
    EXPECT_FALSE(is_shown(browser) || is_shown(old_browser) || !is_shown(editor));
    host.is_exiting = true; // nothing runs while the exit prompt is open
    tick_at(2, 0);
    host.is_exiting = false;
    EXPECT_FALSE(is_shown(browser));
    tick_at(2, 0);
    EXPECT_TRUE(is_shown(browser) && is_shown(old_browser));

    // Switched off it shows at once and hides nothing more; switched on it hides at the next tick.
    tick_at(23, 0);
    for (const int index : {0, 2, -1})
        scheduler.toggle_timer(index);
    tick_at(23, 0, 1);
    EXPECT_TRUE(is_shown(browser) && model.timer(0).start_h == 22);
    scheduler.toggle_timer(0);
    tick_at(23, 0, 2);
    EXPECT_FALSE(is_shown(browser));

    // Cleared by an editor, it still shows what it holds when its period ends, but not a window
    // shown from a tab meanwhile.
    auto timer = model.timer(0);
    timer.enabled = false;
    model.set_timer(0, timer);
    engine.show_window(index_of(old_browser));
    system.window(old_browser).visible = false; // then hidden by its own application
    tick_at(2, 0);
    EXPECT_TRUE(is_shown(browser) && !is_shown(old_browser));

    // A stopwatch runs from its activation to the second and then switches itself off; the
    // switch and the end each have the page rebuild its rows and buttons from the model.
    model.add_timer({.group_id = 4, .type = VisibilityTimer::STOPWATCH, .duration_m = 10});
    clock.time = {14, 5, 40};
    const int rebuilds = host.page_rebuilds;
    scheduler.toggle_timer(2);
    tick_at(14, 15, 39);
    EXPECT_TRUE(model.timer(2).enabled && model.timer(2).start_s == 40 && !is_shown(browser));
    tick_at(14, 15, 40);
    EXPECT_TRUE(is_shown(browser) && !model.timer(2).enabled && host.page_rebuilds == rebuilds + 2);
    // Switched off by hand, it forgets its start.
    clock.time = {8, 1, 2};
    scheduler.toggle_timer(2);
    scheduler.toggle_timer(2);
    const auto& off = model.timer(2);
    EXPECT_TRUE(!off.enabled && off.start_h + off.start_m + off.start_s == 0);
}

TEST_F(TimerScheduling,
       ATimersWindowsGoBackToAnActiveTimerOfItsGroupInTheNextRunWhoseEndShowsThem) {
    model.add_timer({.group_id = 4, .enabled = true, .start_h = 22, .duration_h = 4});
    TemporaryFolder folder;
    HiddenWindowJournal journal(folder.file(L"hidden_windows.xml"), system.boot_session());
    scheduler.keep_journal(journal);
    const auto player = add_process_window(L"Player - Browser", L"player.exe");
    const auto radio = add_process_window(L"Radio - Browser", L"radio.exe");
    tick_at(23, 30);

    // The run ends by force. The next run's timers have new ids; an inactive one and one out
    // of its period are passed over.
    DataModel next_model;
    next_model.add_group(model.group(0));
    next_model.add_timer({.group_id = 4, .duration_h = 23});
    next_model.add_timer({.group_id = 4, .enabled = true, .start_h = 1, .duration_h = 1});
    next_model.add_timer({.group_id = 4, .enabled = true, .start_h = 22, .duration_h = 4});
    WindowEngine next_engine{next_model, system, host, waiter};
    TimerScheduler next_scheduler{next_model, next_engine, host, clock};
    HiddenWindowJournal next_journal(folder.file(L"hidden_windows.xml"), system.boot_session());
    next_engine.enumerate_windows();
    EXPECT_EQ(next_scheduler.keep_journal(next_journal), 2);
    EXPECT_FALSE(is_shown(player) || is_shown(radio));
    system.window(radio).title.clear(); // a window without a title has no record
    clock.time = {2, 0};
    next_scheduler.timer_tick();
    EXPECT_TRUE(is_shown(player) && is_shown(radio));
}

TEST_F(TimerScheduling, ATickLooksAtTheWindowsOnlyWhenATimerMayActOnThemOrThePageShowsThem) {
    host.shown = false;
    model.add_timer({.group_id = 4, .start_h = 22, .duration_h = 4});
    model.add_timer({.group_id = 40, .enabled = true, .start_h = 22, .duration_h = 4});
    tick_at(23, 0);
    EXPECT_TRUE(system.listings == 0 && !scheduler.hiding_now());
    host.shown = true; // a pass each tick, the page drawn only after a change
    tick_at(23, 0);
    tick_at(23, 0);
    EXPECT_TRUE(system.listings == 2 && host.page_refreshes == 1);

    // The timer hides, lets the windows settle, then looks again and draws the page once.
    scheduler.toggle_timer(0);
    EXPECT_TRUE(scheduler.hiding_now()); // a window that opens now is to be hidden at once
    waiter.held = true;
    tick_at(23, 1);
    EXPECT_TRUE(!is_shown(browser) && system.listings == 3 && host.page_refreshes == 1);
    waiter.elapse();
    EXPECT_TRUE(system.listings == 4 && host.page_refreshes == 2);
    host.shown = false; // with nothing left to hide nothing waits, but the timer keeps looking
    tick_at(23, 2);
    EXPECT_TRUE(system.listings == 5 && waiter.waiting.empty());
    tick_at(2, 0); // its windows are shown after its period, and then nothing is looked at
    waiter.elapse();
    tick_at(2, 1);
    EXPECT_TRUE(is_shown(browser) && system.listings == 7);

    // Without a pass, a window held hidden that its own program shows again is its own again.
    engine.hide_window(index_of(editor), -1);
    tick_at(2, 2);
    system.window(editor).visible = true;
    tick_at(2, 3);
    EXPECT_TRUE(!engine.was_hidden_this_session(editor) && system.listings == 7);
}
