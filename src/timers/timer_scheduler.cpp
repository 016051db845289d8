#include "timers/timer_scheduler.h"

#include "timers/timer_period.h"

#include <vector>

int timer_owner(const VisibilityTimer& timer) {
    return static_cast<int>(timer.id);
}

namespace {

bool hides_at(const VisibilityTimer& timer, const DataModel& model, const engine::LocalTime& now) {
    return timer.enabled && model.find_group_index(timer.group_id) >= 0 &&
           in_period(timer, now.hour, now.minute, now.second);
}

} // namespace

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
    const auto now = clock_.now();
    // A pass walks every window; the tick needs one only when a timer may act on windows or
    // the main window shows them. Otherwise only the windows held hidden are looked at. The tick
    // comes a second after the last pass, so nothing is left to settle before it.
    if (host_.main_window_shown() || acts_on_windows(now)) {
        engine_.enumerate_windows();
    } else {
        engine_.look_at_held_windows();
    }
    bool changed = false;
    bool acted = false;
    for (int i = 0; i < model_.timer_count(); ++i) {
        auto timer = model_.timer(i);
        if (in_period(timer, now.hour, now.minute, now.second)) {
            if (timer.enabled) {
                acted = hide_group_of(timer) || acted;
            }
            continue;
        }
        acted = holds_windows(timer) || acted;
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
    if (acted) {
        engine_.settle_and_enumerate();
    }
}

bool TimerScheduler::hiding_now() const {
    const auto now = clock_.now();
    for (int i = 0; i < model_.timer_count(); ++i) {
        if (hides_at(model_.timer(i), model_, now)) {
            return true;
        }
    }
    return false;
}

bool TimerScheduler::acts_on_windows(const engine::LocalTime& now) const {
    for (int i = 0; i < model_.timer_count(); ++i) {
        const auto timer = model_.timer(i);
        if (hides_at(timer, model_, now) ||
            (!in_period(timer, now.hour, now.minute, now.second) && holds_windows(timer))) {
            return true;
        }
    }
    return false;
}

bool TimerScheduler::holds_windows(const VisibilityTimer& timer) const {
    return !model_.windows.hidden_register.windows_of(timer_owner(timer)).empty();
}

bool TimerScheduler::hide_group_of(const VisibilityTimer& timer) {
    const int group_index = model_.find_group_index(timer.group_id);
    if (group_index < 0) {
        return false;
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
    return !indices.empty();
}
