#include "timers/timer_scheduler.h"

#include "timers/timer_period.h"

#include <vector>

int timer_owner(const VisibilityTimer& timer) {
    return static_cast<int>(timer.id);
}

TimerScheduler::TimerScheduler(DataModel& model, WindowEngine& engine, engine::engine_host& host,
                               const engine::local_clock& clock)
    : model_(model), engine_(engine), host_(host), clock_(clock) {}

void TimerScheduler::toggle_timer(int index) {
    if (index < 0 || index >= model_.timer_count()) {
        return;
    }
    auto timer = model_.timer(index);
    timer.enabled = !timer.enabled;
    if (timer.type == VisibilityTimer::STOPWATCH) {
        const auto now = timer.enabled ? clock_.now() : engine::LocalTime{};
        timer.start_h = now.hour;
        timer.start_m = now.minute;
        timer.start_s = now.second;
    }
    model_.set_timer(index, timer);
    if (!timer.enabled) {
        engine_.show_windows_of_owner(timer_owner(timer));
    }
    host_.rebuild_current_page();
}

int TimerScheduler::keep_journal(HiddenWindowJournal& journal) {
    const auto now = clock_.now();
    return engine_.keep_journal(journal, [this, now](int group_id) {
        for (int i = 0; i < model_.timer_count(); ++i) {
            const auto timer = model_.timer(i);
            if (timer.enabled && timer.group_id == group_id &&
                in_period(timer, now.hour, now.minute, now.second)) {
                return timer_owner(timer);
            }
        }
        return HiddenWindowRegister::NO_OWNER;
    });
}

void TimerScheduler::timer_tick() {
    if (host_.exiting()) {
        return;
    }
    engine_.settle_and_enumerate();
    const auto now = clock_.now();
    bool changed = false;
    for (int i = 0; i < model_.timer_count(); ++i) {
        auto timer = model_.timer(i);
        if (in_period(timer, now.hour, now.minute, now.second)) {
            if (timer.enabled) {
                hide_group_of(timer);
            }
            continue;
        }
        engine_.show_windows_of_owner(timer_owner(timer));
        if (timer.enabled && timer.type == VisibilityTimer::STOPWATCH) {
            timer.enabled = false;
            model_.set_timer(i, timer);
            changed = true;
        }
    }
    // The timers page shows the stopwatch's state in its rows and its Activate button.
    if (changed && host_.main_window_shown()) {
        host_.rebuild_current_page();
    }
    engine_.settle_and_enumerate();
}

void TimerScheduler::hide_group_of(const VisibilityTimer& timer) {
    const int group_index = model_.find_group_index(timer.group_id);
    if (group_index < 0) {
        return;
    }
    const auto group = model_.group(group_index);
    std::vector<int> indices;
    for (const auto& pattern : group.patterns()) {
        engine_.find_visible_matches(pattern, indices, false);
    }
    const WindowEngine::Action action(engine_);
    for (const int index : indices) {
        engine_.hide_window(index, timer_owner(timer));
    }
}
