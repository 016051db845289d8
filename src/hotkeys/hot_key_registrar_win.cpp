#include "hotkeys/hot_key_registrar_win.h"

bool Win32HotKeyRegistrar::register_hot_key(std::uint32_t id, std::uint32_t modifiers,
                                            std::uint32_t key_code) {
    return RegisterHotKey(window_, static_cast<int>(id), modifiers, key_code) != 0;
}

void Win32HotKeyRegistrar::unregister_hot_key(std::uint32_t id) {
    UnregisterHotKey(window_, static_cast<int>(id));
}
