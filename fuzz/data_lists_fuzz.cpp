// Any bytes handed to the four list loaders load without harm, and whatever they load is saved
// and loaded back unchanged. The loaders' messages stay in the process-wide diagnostic list, so
// memory grows a little with every run and libFuzzer's leak check runs often: expect a few
// hundred runs a second, and use -detect_leaks=0 for long sessions.
#include "model/data_model.h"
#include "storage/config_file.h"
#include "storage/group_file.h"
#include "storage/hot_key_file.h"
#include "storage/ignore_list_file.h"
#include "storage/timer_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void read_all(const engine::config_element& root, DataModel& model) {
    read_ignore_list(root, model);
    read_groups(root, model);
    read_hot_keys(root, model);
    read_timers(root, model);
}

// Saves each list into its own file and loads the four files into a fresh model.
DataModel saved_and_reloaded(const DataModel& model) {
    DataModel reloaded;
    for (auto write : {write_ignore_list, write_groups, write_hot_keys, write_timers}) {
        ConfigFile file;
        write(model, file.root());
        ConfigFile again;
        if (!again.load_from_memory(file.to_document()))
            std::abort();
        read_all(again.root(), reloaded);
    }
    return reloaded;
}

bool same_binding(const HotKey& a, const HotKey& b) {
    return a.action == b.action && a.group_id == b.group_id && a.mod_ctrl == b.mod_ctrl &&
           a.mod_alt == b.mod_alt && a.mod_shift == b.mod_shift && a.mod_win == b.mod_win &&
           a.key_code == b.key_code;
}

bool same_settings(VisibilityTimer a, const VisibilityTimer& b) {
    a.id = b.id;
    return a == b;
}

bool same_lists(const DataModel& a, const DataModel& b) {
    if (a.ignore_patterns() != b.ignore_patterns() || a.group_count() != b.group_count() ||
        a.hot_key_count() != b.hot_key_count() || a.timer_count() != b.timer_count())
        return false;
    for (int i = 0; i < a.group_count(); ++i) {
        if (!(a.group(i) == b.group(i)))
            return false;
    }
    for (int i = 0; i < a.hot_key_count(); ++i) {
        if (!same_binding(a.hot_key(i), b.hot_key(i)))
            return false;
    }
    for (int slot = 0; slot < EVENT_COUNT; ++slot) {
        if (!same_binding(a.event_hot_key(slot), b.event_hot_key(slot)))
            return false;
    }
    for (int i = 0; i < a.timer_count(); ++i) {
        if (!same_settings(a.timer(i), b.timer(i)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ConfigFile file;
    if (!file.load_from_memory(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    DataModel model;
    read_all(file.root(), model);
    if (!same_lists(model, saved_and_reloaded(model)))
        std::abort();
    return 0;
}
