#include "storage/timer_file.h"

#include "app/diagnostic_log.h"
#include "model/data_model.h"
#include "storage/group_file.h"

namespace {

int integer(const engine::config_element& rule, const wchar_t* name) {
    return rule.find_property(name)->get_int();
}

VisibilityTimer read_timer(const engine::config_element& rule, std::uint32_t type) {
    VisibilityTimer timer;
    timer.type = type;
    timer.enabled = rule.find_property(L"enabled")->get_bool();
    timer.start_h = integer(rule, L"start_h");
    timer.start_m = integer(rule, L"start_m");
    timer.start_s = integer(rule, L"start_s");
    timer.duration_h = integer(rule, L"duration_h");
    timer.duration_m = integer(rule, L"duration_m");
    timer.duration_s = integer(rule, L"duration_s");
    timer.group_id = integer(rule, L"group_id");
    return timer;
}

// A stopwatch's start is the moment it was activated in an earlier run; it never carries over.
void make_inactive_stopwatch(VisibilityTimer& timer) {
    timer.start_h = 0;
    timer.start_m = 0;
    timer.start_s = 0;
    timer.enabled = false;
}

} // namespace

bool read_timers(const engine::config_element& root, DataModel& model,
                 std::vector<VisibilityTimer>* unbound) {
    const engine::config_element* list = root.find_child(L"timers");
    if (list == nullptr) {
        log_message(L"Unable to load timers, invalid data file.");
        return false;
    }
    const std::unordered_set<int> groups = group_ids(model);
    for (const engine::config_element* rule : list->children_named(L"rule")) {
        if (!rule->has_properties({L"enabled", L"type", L"start_h", L"start_m", L"start_s",
                                   L"duration_h", L"duration_m", L"duration_s", L"group_id"})) {
            log_message(L"Unable to load timer, missing or invalid data.");
            continue;
        }
        const int type = integer(*rule, L"type");
        if (type != static_cast<int>(VisibilityTimer::CLOCK) &&
            type != static_cast<int>(VisibilityTimer::STOPWATCH)) {
            log_message(L"Unable to load timer, missing or invalid type.");
            continue;
        }
        VisibilityTimer timer = read_timer(*rule, static_cast<std::uint32_t>(type));
        if (!groups.contains(timer.group_id) && unbound) {
            unbound->push_back(timer);
            continue;
        }
        if (!groups.contains(timer.group_id)) {
            log_message(L"Timer loaded, but removed due to invalid group assocation.");
            continue;
        }
        if (timer.duration_h == 0 && timer.duration_m == 0) {
            log_message(L"Unable to load timer, missing or invalid settings.");
            continue;
        }
        if (timer.type == VisibilityTimer::STOPWATCH)
            make_inactive_stopwatch(timer);
        model.add_timer(timer);
    }
    return true;
}

bool read_timers(const engine::config_element& root, DataModel& model) {
    return read_timers(root, model, nullptr);
}

void write_timers(const DataModel& model, engine::config_element& root,
                  const std::vector<VisibilityTimer>& unbound) {
    root.clear_children();
    root.clear_properties();
    engine::config_element& list = root.add_child(L"timers");
    std::vector<VisibilityTimer> timers;
    for (int index = 0; index < model.timer_count(); ++index)
        timers.push_back(model.timer(index));
    timers.insert(timers.end(), unbound.begin(), unbound.end());
    for (VisibilityTimer timer : timers) {
        if (timer.type == VisibilityTimer::STOPWATCH)
            make_inactive_stopwatch(timer);
        engine::config_element& rule = list.add_child(L"rule");
        rule.property(L"enabled").set_bool(timer.enabled);
        rule.property(L"type").set_int(static_cast<int>(timer.type));
        rule.property(L"start_h").set_int(timer.start_h);
        rule.property(L"start_m").set_int(timer.start_m);
        rule.property(L"start_s").set_int(timer.start_s);
        rule.property(L"duration_h").set_int(timer.duration_h);
        rule.property(L"duration_m").set_int(timer.duration_m);
        rule.property(L"duration_s").set_int(timer.duration_s);
        rule.property(L"group_id").set_int(timer.group_id);
    }
}

void write_timers(const DataModel& model, engine::config_element& root) {
    write_timers(model, root, {});
}
