#include "model/hot_key.h"

#include <atomic>

std::uint32_t next_hot_key_id() {
    static std::atomic<std::uint32_t> next{12921};
    return next++;
}
