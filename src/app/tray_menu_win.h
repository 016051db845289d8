#pragma once

#include "app/tray_commands.h"
#include "ui/gdi_handles_win.h"

#include <windows.h>

// The tray icon's pop-up menu: the first submenu of menu resource 104, loaded once and
// refilled in place at every opening.
class TrayMenu {
public:
    // The submenus by their position in the menu.
    static constexpr int HIDE_GROUP_POSITION = 0;
    static constexpr int SHOW_GROUP_POSITION = 1;
    static constexpr int TIMERS_POSITION = 3;
    static constexpr int HIDE_WINDOW_POSITION = 5;
    static constexpr int SHOW_WINDOW_POSITION = 6;

    TrayMenu();
    TrayMenu(const TrayMenu&) = delete;
    TrayMenu& operator=(const TrayMenu&) = delete;

    // Replaces the items of every submenu with the entries of `content`.
    void fill(const TrayMenuContent& content);
    // Opens the menu at `at` (screen coordinates), owned by `owner`, and returns the identifier
    // of the chosen item, 0 when the menu was closed without a choice.
    int choose(HWND owner, POINT at);

    HMENU popup() const { return menu_.popup(); }

private:
    ContextMenu menu_;
};
