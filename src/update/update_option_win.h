#pragma once

#include <windows.h>

class Settings;

// The Help menu's command for the start-up update check: turning it off is asked first,
// turning it on is announced; the option is then switched, saved at once and shown on the
// menu. It takes effect at the next start-up.
void toggle_update_check(HWND main_window, Settings& settings);

// Shows the option on the main window's menu bar: the first item of the Help menu reads
// "Check for Updates on Startup" and is checked exactly when the option is on.
void show_update_check_state(HWND main_window, bool check_updates);
