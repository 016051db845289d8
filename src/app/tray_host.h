#pragma once

namespace engine {

// What the tray menu needs of the main window, beside the window engine and the timers.
class tray_host {
public:
    virtual ~tray_host() = default;

    // Hides the main window to the tray, synchronously.
    virtual void hide_main_window() = 0;
    // Lets the current tab page rebuild its rows from the window records.
    virtual void refresh_current_page() = 0;
    // After a command hid or showed windows: lets them settle, takes a new snapshot and
    // refreshes the current page while the main window is shown.
    virtual void refresh_after_action() = 0;
    // Selects the tab in the tab control and, when the control accepts it, makes its page
    // current. False when the tab control refused the selection.
    virtual bool switch_to_tab(int index) = 0;
    // Writes the list files whose lists changed; called once a change is committed.
    virtual void save_changes() = 0;
    // The exit sequence with its question; returns when the user chose to keep running.
    virtual void exit_program() = 0;
};

} // namespace engine
