#pragma once

#include "engine/window_list.h"
#include "model/group.h"
#include "model/hot_key.h"
#include "model/pattern.h"
#include "model/visibility_timer.h"

#include <array>
#include <vector>

// The user's data: the ignore list, the groups, the hot keys and the timers. Every list holds
// its records by value and hands out copies. An index out of range is not an error: a get
// yields a default record (a fresh one, with a new id, for hot keys and timers) and a set,
// remove or duplicate does nothing.
class DataModel {
public:
    // The records of the last enumeration pass and the register of the windows hidden in
    // this run; the window engine keeps both current.
    WindowList windows;

    int group_count() const;
    Group group(int index) const;
    void set_group(int index, const Group& group);
    void add_group(const Group& group);
    void remove_group(int index);
    void clear_groups();
    // The index of the first group with this id, or -1.
    int find_group_index(int id) const;
    // One more than the largest group id, so 0 for no groups.
    int next_group_id() const;
    // True when a timer or a group hot key refers to the group (the event slots never do).
    bool group_in_use(int id) const;
    // Drops the group hot keys and then the timers that refer to the group.
    void remove_group_references(int id);

    int ignore_count() const;
    Pattern ignore_pattern(int index) const;
    void set_ignore_pattern(int index, const Pattern& pattern);
    void add_ignore_pattern(const Pattern& pattern);
    void remove_ignore_pattern(int index);
    // Inserts a copy of pattern `index` beside it.
    void duplicate_ignore_pattern(int index);
    void clear_ignore_patterns();
    const std::vector<Pattern>& ignore_patterns() const { return ignore_patterns_; }

    int hot_key_count() const;
    HotKey hot_key(int index) const;
    void set_hot_key(int index, const HotKey& hot_key);
    void add_hot_key(const HotKey& hot_key);
    void remove_hot_key(int index);
    // Inserts a copy of hot key `index` beside it; the copy takes a new id, since the id is
    // what the system knows the hot key by.
    void duplicate_hot_key(int index);
    void clear_hot_keys();
    // The index of the group hot key with this id, or -1.
    int find_hot_key_index(std::uint32_t id) const;

    // The five program-wide hot keys, by `OtherEvent` slot.
    HotKey event_hot_key(int slot) const;
    void set_event_hot_key(int slot, const HotKey& hot_key);

    int timer_count() const;
    VisibilityTimer timer(int index) const;
    void set_timer(int index, const VisibilityTimer& timer);
    void add_timer(const VisibilityTimer& timer);
    void remove_timer(int index);
    // Inserts a copy of timer `index` beside it; the copy takes a new id, since windows a timer
    // hides are registered under its id.
    void duplicate_timer(int index);
    void clear_timers();
    // The index of the timer with this id, or -1.
    int find_timer_index(std::uint32_t id) const;

private:
    std::vector<Pattern> ignore_patterns_;
    std::vector<HotKey> group_hot_keys_;
    std::vector<VisibilityTimer> timers_;
    std::vector<Group> groups_;
    std::array<HotKey, EVENT_COUNT> event_hot_keys_;
};
