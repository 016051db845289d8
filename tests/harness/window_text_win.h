#pragma once

#include <windows.h>

#include <string>

namespace harness {

std::wstring window_text(HWND window);

// The text a control holds now, asked of the control itself: for an edit box of another
// process, GetWindowText only knows the text it was created with, not what was typed since.
std::wstring control_text(HWND control);
std::wstring class_name(HWND window);

// The show command of the window's placement (SW_SHOWNORMAL, SW_SHOWMINIMIZED, ...).
UINT show_command(HWND window);

// "0x" and the handle's value in hexadecimal, the form tests use to name a window.
std::wstring handle_text(HWND window);

} // namespace harness
