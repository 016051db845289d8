#pragma once

#include "hotkeys/hot_key_registrar.h"

#include <windows.h>

// Global hot keys held for one window, which receives WM_HOTKEY for them. Must be used on the
// thread that owns the window.
class Win32HotKeyRegistrar final : public engine::hot_key_registrar {
public:
    explicit Win32HotKeyRegistrar(HWND window) : window_(window) {}

    bool register_hot_key(std::uint32_t id, std::uint32_t modifiers,
                          std::uint32_t key_code) override;
    void unregister_hot_key(std::uint32_t id) override;

private:
    HWND window_;
};
