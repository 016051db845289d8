#pragma once

#include "model/hot_key.h"

#include <cstdint>

// A hot key with these modifiers and this key, every other field left at its default.
inline HotKey combination(bool ctrl, bool alt, bool shift, bool win, std::uint32_t key_code) {
    HotKey hot_key;
    hot_key.mod_ctrl = ctrl;
    hot_key.mod_alt = alt;
    hot_key.mod_shift = shift;
    hot_key.mod_win = win;
    hot_key.key_code = key_code;
    return hot_key;
}
