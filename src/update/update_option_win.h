#pragma once

#include <windows.h>

// Shows the start-up update check's option on the main window's menu bar: the first item of
// the Help menu reads "Check for Updates on Startup" and is checked exactly when the option is
// on.
void show_update_check_state(HWND main_window, bool check_updates);
