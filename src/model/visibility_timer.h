#pragma once

#include <cstdint>

// Hands out the per-run timer ids: 22921, 22922, ... Each call takes a new one.
std::uint32_t next_timer_id();

// Keeps one group hidden for a period of the local day. A clock timer does so every day from
// its start time for its duration; a stopwatch once, from the moment it was activated.
struct VisibilityTimer {
    static constexpr std::uint32_t CLOCK = 0;
    static constexpr std::uint32_t STOPWATCH = 1;

    // Unique within one run and never stored; windows the timer hides are registered under it.
    std::uint32_t id = next_timer_id();
    int group_id = -1;
    std::uint32_t type = CLOCK;
    bool enabled = false;
    // Clock: the daily start time. Stopwatch: when it was activated, 0:00:00 while inactive.
    int start_h = 0;
    int start_m = 0;
    int start_s = 0;
    int duration_h = 0;
    int duration_m = 0;
    int duration_s = 0;

    bool operator==(const VisibilityTimer&) const = default;
};
