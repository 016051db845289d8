#include "model/visibility_timer.h"

#include <atomic>

std::uint32_t next_timer_id() {
    static std::atomic<std::uint32_t> next{22921};
    return next++;
}
