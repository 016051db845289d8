#include "storage/hot_key_file.h"

#include "app/diagnostic_log.h"
#include "model/data_model.h"
#include "storage/group_file.h"

namespace {

constexpr int GROUP_HOT_KEY_INDEX = -1;

HotKey read_hot_key(const engine::config_element& rule) {
    HotKey hot_key;
    hot_key.key_code = static_cast<std::uint32_t>(rule.find_property(L"key_code")->get_int());
    hot_key.action = static_cast<std::uint32_t>(rule.find_property(L"action")->get_int());
    hot_key.mod_ctrl = rule.find_property(L"mod_ctrl")->get_bool();
    hot_key.mod_alt = rule.find_property(L"mod_alt")->get_bool();
    hot_key.mod_shift = rule.find_property(L"mod_shift")->get_bool();
    hot_key.mod_win = rule.find_property(L"mod_win")->get_bool();
    hot_key.group_id = rule.find_property(L"group_id")->get_int();
    return hot_key;
}

void write_hot_key(const HotKey& hot_key, int event_index, engine::config_element& rule) {
    rule.property(L"event_index").set_int(event_index);
    rule.property(L"key_code").set_int(static_cast<int>(hot_key.key_code));
    rule.property(L"action").set_int(static_cast<int>(hot_key.action));
    rule.property(L"mod_ctrl").set_bool(hot_key.mod_ctrl);
    rule.property(L"mod_alt").set_bool(hot_key.mod_alt);
    rule.property(L"mod_shift").set_bool(hot_key.mod_shift);
    rule.property(L"mod_win").set_bool(hot_key.mod_win);
    rule.property(L"group_id").set_int(hot_key.group_id);
}

} // namespace

bool read_hot_keys(const engine::config_element& root, DataModel& model,
                   std::vector<HotKey>* unbound) {
    const engine::config_element* list = root.find_child(L"hotkeys");
    if (list == nullptr) {
        log_message(L"Unable to load hot keys, invalid data file.");
        return false;
    }
    const std::unordered_set<int> groups = group_ids(model);
    for (const engine::config_element* rule : list->children_named(L"rule")) {
        if (!rule->has_properties({L"event_index", L"key_code", L"action", L"mod_ctrl", L"mod_alt",
                                   L"mod_shift", L"mod_win", L"group_id"})) {
            log_message(L"Unable to load hot key, missing or invalid data.");
            continue;
        }
        const int event_index = rule->find_property(L"event_index")->get_int();
        const HotKey hot_key = read_hot_key(*rule);
        if (event_index == GROUP_HOT_KEY_INDEX) {
            if (groups.contains(hot_key.group_id))
                model.add_hot_key(hot_key);
            else if (unbound)
                unbound->push_back(hot_key);
            else
                log_message(L"Hotkey loaded, but removed due to invalid group assocation.");
        } else if (event_index >= 0 && event_index < EVENT_COUNT) {
            model.set_event_hot_key(event_index, hot_key);
        }
    }
    return true;
}

bool read_hot_keys(const engine::config_element& root, DataModel& model) {
    return read_hot_keys(root, model, nullptr);
}

void write_hot_keys(const DataModel& model, engine::config_element& root,
                    const std::vector<HotKey>& unbound) {
    root.clear_children();
    root.clear_properties();
    engine::config_element& list = root.add_child(L"hotkeys");
    for (int slot = 0; slot < EVENT_COUNT; ++slot)
        write_hot_key(model.event_hot_key(slot), slot, list.add_child(L"rule"));
    for (int index = 0; index < model.hot_key_count(); ++index)
        write_hot_key(model.hot_key(index), GROUP_HOT_KEY_INDEX, list.add_child(L"rule"));
    for (const HotKey& hot_key : unbound)
        write_hot_key(hot_key, GROUP_HOT_KEY_INDEX, list.add_child(L"rule"));
}

void write_hot_keys(const DataModel& model, engine::config_element& root) {
    write_hot_keys(model, root, {});
}
