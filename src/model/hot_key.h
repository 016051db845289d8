#pragma once

#include <cstdint>

// The key code of a hot key with no key chosen; such a hot key is never registered.
inline constexpr std::uint32_t UNSPECIFIED_KEY = 1000;

// Hands out the per-run hot key ids: 12921, 12922, ... Each call takes a new one.
std::uint32_t next_hot_key_id();

// The five program-wide hot key events; the value is the slot in the model and the
// `event_index` in the hot key file.
enum OtherEvent : int {
    EVENT_TOGGLE_ALL_WINDOWS = 0,
    EVENT_HIDE_ACTIVE_WINDOW = 1,
    EVENT_HIDE_ALL_EXCEPT_ACTIVE = 2,
    EVENT_SHOW_ALL_WINDOWS = 3,
    EVENT_HIDE_ALL_WINDOWS = 4,
};
inline constexpr int EVENT_COUNT = 5;

// A global key combination bound to an action on a group (or, in an event slot, to one of
// the program-wide events). `id` is the identifier registered with the system; it is unique
// within one run and never stored.
struct HotKey {
    static constexpr std::uint32_t TOGGLE_VISIBILITY = 0;
    static constexpr std::uint32_t SHOW_ONLY = 1;
    static constexpr std::uint32_t HIDE_ONLY = 2;

    std::uint32_t id = next_hot_key_id();
    std::uint32_t action = TOGGLE_VISIBILITY;
    int group_id = -1;
    bool mod_ctrl = false;
    bool mod_alt = false;
    bool mod_shift = false;
    bool mod_win = false;
    std::uint32_t key_code = UNSPECIFIED_KEY;

    bool operator==(const HotKey&) const = default;
};
