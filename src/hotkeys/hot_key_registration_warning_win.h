#pragma once

#include "hotkeys/hot_key_registration_warning.h"

#include <windows.h>

// Warnings as message boxes owned by, and centred on, one window.
class WarningBoxDisplay final : public engine::warning_display {
public:
    explicit WarningBoxDisplay(HWND owner) : owner_(owner) {}

    void show_warning(const std::wstring& caption, const std::wstring& text) override;

private:
    HWND owner_;
};
