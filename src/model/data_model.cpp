#include "model/data_model.h"

#include <algorithm>
#include <climits>

namespace {

template <typename Record> bool in_range(const std::vector<Record>& records, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < records.size();
}

template <typename Record>
Record get_or(const std::vector<Record>& records, int index, Record fallback) {
    if (!in_range(records, index)) {
        return fallback;
    }
    return records[static_cast<std::size_t>(index)];
}

template <typename Record>
void set_at(std::vector<Record>& records, int index, const Record& record) {
    if (in_range(records, index)) {
        records[static_cast<std::size_t>(index)] = record;
    }
}

template <typename Record> void remove_at(std::vector<Record>& records, int index) {
    if (in_range(records, index)) {
        records.erase(records.begin() + index);
    }
}

// The copy goes in front of the original, so the two stand side by side. Returns the copy's
// position, or -1 when there was nothing to copy.
template <typename Record> int duplicate_at(std::vector<Record>& records, int index) {
    if (!in_range(records, index)) {
        return -1;
    }
    const Record copy = records[static_cast<std::size_t>(index)];
    records.insert(records.begin() + index, copy);
    return index;
}

template <typename Record> int index_of_id(const std::vector<Record>& records, std::uint32_t id) {
    const auto found = std::find_if(records.begin(), records.end(),
                                    [id](const Record& record) { return record.id == id; });
    return found == records.end() ? -1 : static_cast<int>(found - records.begin());
}

template <typename Record> bool refers_to(const std::vector<Record>& records, int group_id) {
    return std::any_of(records.begin(), records.end(),
                       [group_id](const Record& record) { return record.group_id == group_id; });
}

template <typename Record> void erase_referring(std::vector<Record>& records, int group_id) {
    std::erase_if(records,
                  [group_id](const Record& record) { return record.group_id == group_id; });
}

} // namespace

int DataModel::group_count() const {
    return static_cast<int>(groups_.size());
}
Group DataModel::group(int index) const {
    return get_or(groups_, index, Group{});
}
void DataModel::set_group(int index, const Group& group) {
    set_at(groups_, index, group);
}
void DataModel::add_group(const Group& group) {
    groups_.push_back(group);
}
void DataModel::remove_group(int index) {
    remove_at(groups_, index);
}
void DataModel::clear_groups() {
    groups_.clear();
}

int DataModel::find_group_index(int id) const {
    const auto found = std::find_if(groups_.begin(), groups_.end(),
                                    [id](const Group& group) { return group.id() == id; });
    return found == groups_.end() ? -1 : static_cast<int>(found - groups_.begin());
}

int DataModel::next_group_id() const {
    int largest = -1;
    for (const Group& group : groups_) {
        largest = std::max(largest, group.id());
    }
    if (largest < INT_MAX) {
        return largest + 1;
    }
    // A file may hold the largest id there is; counting on from it would overflow, so take
    // the first free id from 0 instead.
    int candidate = 0;
    while (find_group_index(candidate) != -1) {
        ++candidate;
    }
    return candidate;
}

bool DataModel::group_in_use(int id) const {
    return refers_to(timers_, id) || refers_to(group_hot_keys_, id);
}

void DataModel::remove_group_references(int id) {
    erase_referring(group_hot_keys_, id);
    erase_referring(timers_, id);
}

int DataModel::ignore_count() const {
    return static_cast<int>(ignore_patterns_.size());
}
Pattern DataModel::ignore_pattern(int index) const {
    return get_or(ignore_patterns_, index, Pattern{});
}
void DataModel::set_ignore_pattern(int index, const Pattern& pattern) {
    set_at(ignore_patterns_, index, pattern);
}
void DataModel::add_ignore_pattern(const Pattern& pattern) {
    ignore_patterns_.push_back(pattern);
}
void DataModel::remove_ignore_pattern(int index) {
    remove_at(ignore_patterns_, index);
}
void DataModel::duplicate_ignore_pattern(int index) {
    duplicate_at(ignore_patterns_, index);
}
void DataModel::clear_ignore_patterns() {
    ignore_patterns_.clear();
}

int DataModel::hot_key_count() const {
    return static_cast<int>(group_hot_keys_.size());
}
HotKey DataModel::hot_key(int index) const {
    if (!in_range(group_hot_keys_, index)) {
        return HotKey{};
    }
    return group_hot_keys_[static_cast<std::size_t>(index)];
}
void DataModel::set_hot_key(int index, const HotKey& hot_key) {
    set_at(group_hot_keys_, index, hot_key);
}
void DataModel::add_hot_key(const HotKey& hot_key) {
    group_hot_keys_.push_back(hot_key);
}
void DataModel::remove_hot_key(int index) {
    remove_at(group_hot_keys_, index);
}
void DataModel::duplicate_hot_key(int index) {
    const int copy = duplicate_at(group_hot_keys_, index);
    if (copy != -1) {
        group_hot_keys_[static_cast<std::size_t>(copy)].id = next_hot_key_id();
    }
}
void DataModel::clear_hot_keys() {
    group_hot_keys_.clear();
}
int DataModel::find_hot_key_index(std::uint32_t id) const {
    return index_of_id(group_hot_keys_, id);
}

HotKey DataModel::event_hot_key(int slot) const {
    if (slot < 0 || slot >= EVENT_COUNT) {
        return HotKey{};
    }
    return event_hot_keys_[static_cast<std::size_t>(slot)];
}
void DataModel::set_event_hot_key(int slot, const HotKey& hot_key) {
    if (slot >= 0 && slot < EVENT_COUNT) {
        event_hot_keys_[static_cast<std::size_t>(slot)] = hot_key;
    }
}

int DataModel::timer_count() const {
    return static_cast<int>(timers_.size());
}
VisibilityTimer DataModel::timer(int index) const {
    if (!in_range(timers_, index)) {
        return VisibilityTimer{};
    }
    return timers_[static_cast<std::size_t>(index)];
}
void DataModel::set_timer(int index, const VisibilityTimer& timer) {
    set_at(timers_, index, timer);
}
void DataModel::add_timer(const VisibilityTimer& timer) {
    timers_.push_back(timer);
}
void DataModel::remove_timer(int index) {
    remove_at(timers_, index);
}
void DataModel::duplicate_timer(int index) {
    const int copy = duplicate_at(timers_, index);
    if (copy != -1) {
        timers_[static_cast<std::size_t>(copy)].id = next_timer_id();
    }
}
void DataModel::clear_timers() {
    timers_.clear();
}
int DataModel::find_timer_index(std::uint32_t id) const {
    return index_of_id(timers_, id);
}
