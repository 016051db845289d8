#pragma once

#include <windows.h>

#include <string>

// Message boxes that open centred on their owner window (on the primary screen when there is
// none), kept on the primary screen.

void warning_box(HWND owner, const std::wstring& caption, const std::wstring& text);
void information_box(HWND owner, const std::wstring& caption, const std::wstring& text);
// True exactly when the user chose Yes.
bool ask_yes_no(HWND owner, const std::wstring& caption, const std::wstring& text);

// A centred box with any MB_ buttons and icon; returns what MessageBoxW returns.
int centred_message_box(HWND owner, const std::wstring& caption, const std::wstring& text,
                        UINT type);

// Moves `window` so that it is centred on its parent (for a dialog or message box, its owner)
// and lies on the primary screen, keeping its size. A window without a parent, or whose parent
// is minimised, is centred on the primary screen. False when the window has no rectangle.
bool centre_on_parent(HWND window);
