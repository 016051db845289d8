#pragma once

#include <windows.h>

class Settings;

// "Start Hushcloak when I sign in": the per-user Run entry that starts this program with the
// one argument it knows, SIGN_IN_ARGUMENT, which leaves the main window in the tray.
inline constexpr const wchar_t* SIGN_IN_ARGUMENT = L"/tray";

// True when this process was started with SIGN_IN_ARGUMENT as its first argument; every other
// argument is ignored.
bool started_at_sign_in();

// The option as settings.xml holds it. A file without it (written by an older build, or none
// yet after an installer set the Run entry) takes it from whether the Run entry exists.
bool sign_in_start_option(Settings& settings);

// The Help menu's command: writes or deletes the Run entry for this program's own path and,
// when that worked, switches the option, saves it at once and shows it on the menu.
void toggle_sign_in_start(HWND main_window, Settings& settings);

// The menu item "Start Hushcloak when I sign in" is checked exactly when `on`.
void show_sign_in_start_state(HWND main_window, bool on);
