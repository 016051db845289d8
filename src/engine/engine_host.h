#pragma once

#include "engine/window_handle.h"

namespace engine {

// What the window engine needs of the main window that owns it.
class engine_host {
public:
    virtual ~engine_host() = default;

    // The main dialog; windows it owns (its dialogs, menus, message boxes) are never listed.
    virtual WindowHandle main_window() const = 0;
    // True while the main window is shown normally or maximised, not minimised or hidden.
    virtual bool main_window_shown() const = 0;
    // Set while the exit prompt is open; the visibility timers do nothing meanwhile.
    virtual bool exiting() const = 0;
    // Lets the current tab page rebuild its rows from the window records.
    virtual void refresh_current_page() = 0;
    // Lets the current tab page rebuild its rows and buttons from the model's lists, as after
    // a stopwatch switched itself off.
    virtual void rebuild_current_page() = 0;
    // Hides the main window to the tray, synchronously.
    virtual void hide_main_window() = 0;
    // The one-second refresh timer is stopped during an enumeration pass and started again
    // at its end, so that its next tick comes a second after the last pass.
    virtual void stop_refresh_timer() = 0;
    virtual void start_refresh_timer() = 0;
};

} // namespace engine
