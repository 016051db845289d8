#include "hotkeys/hot_key_registrar_win.h"

bool Win32HotKeyRegistrar::register_hot_key(std::uint32_t id, std::uint32_t modifiers,
                                            std::uint32_t key_code) {
    // Held down, a combination is one press: a toggle would otherwise flip its group back and
    // forth with the keyboard's repeat.
    return RegisterHotKey(window_, static_cast<int>(id), modifiers | MOD_NOREPEAT, key_code) != 0;
}

void Win32HotKeyRegistrar::unregister_hot_key(std::uint32_t id) {
    UnregisterHotKey(window_, static_cast<int>(id));
}
