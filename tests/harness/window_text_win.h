#pragma once

#include <windows.h>

#include <string>

namespace harness {

std::wstring window_text(HWND window);
std::wstring class_name(HWND window);

// The show command of the window's placement (SW_SHOWNORMAL, SW_SHOWMINIMIZED, ...).
UINT show_command(HWND window);

// "0x" and the handle's value in hexadecimal, the form tests use to name a window.
std::wstring handle_text(HWND window);

} // namespace harness
