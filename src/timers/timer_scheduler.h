#pragma once

#include "engine/engine_host.h"
#include "engine/local_clock.h"
#include "engine/window_engine.h"
#include "model/data_model.h"
#include "model/visibility_timer.h"

// The owner under which a visibility timer's hidden windows are registered: its id.
int timer_owner(const VisibilityTimer& timer);

// Runs the visibility timers: once a second each active timer hides its group while the local
// time lies in its period, and every timer releases the windows it holds once it does not.
class TimerScheduler {
public:
    TimerScheduler(DataModel& model, WindowEngine& engine, engine::engine_host& host,
                   const engine::local_clock& clock);
    TimerScheduler(const TimerScheduler&) = delete;
    TimerScheduler& operator=(const TimerScheduler&) = delete;

    // Activates or deactivates timer `index`; a stopwatch starts counting now. A timer that
    // is deactivated shows its windows at once. The current page is rebuilt, so that the
    // timers page's rows and button follow a switch from the tray. An index out of range does
    // nothing.
    void toggle_timer(int index);
    // The work of one tick of the refresh timer; nothing while the exit prompt is open.
    void timer_tick();
    // Lets the engine take back what an earlier run left hidden (see
    // WindowEngine::keep_journal), handing a timer's windows to an active timer of the same
    // group whose period the local time lies in.
    int keep_journal(HiddenWindowJournal& journal);
    // True while an active timer is in its period, so that a window that opens now is to be
    // hidden.
    bool hiding_now() const;

private:
    // True when the timer hid any window.
    bool hide_group_of(const VisibilityTimer& timer);
    // Whether a timer may hide or show windows at `now`, which takes a fresh look at them.
    bool acts_on_windows(const engine::LocalTime& now) const;
    bool holds_windows(const VisibilityTimer& timer) const;

    DataModel& model_;
    WindowEngine& engine_;
    engine::engine_host& host_;
    const engine::local_clock& clock_;
};
