#pragma once

#include "engine/local_clock.h"
#include "engine/window_engine.h"
#include "engine/window_system.h"
#include "timers/timer_scheduler.h"
#include "ui/list_drawing_resources_win.h"

#include <windows.h>

#include <string>

namespace engine {

// What the tab pages need of the main window that holds them.
class page_host {
public:
    virtual ~page_host() = default;

    // The main dialog: the owner of the pages' questions and the window some commands hide.
    virtual HWND main_dialog() const = 0;
    // True while the main dialog is shown normally or maximised, not minimised or hidden.
    virtual bool main_window_shown() const = 0;
    virtual void hide_main_window() = 0;

    virtual WindowEngine& window_engine() = 0;
    virtual window_system& windows() = 0;
    virtual TimerScheduler& timer_scheduler() = 0;
    // The local wall clock the visibility timers run on.
    virtual const local_clock& clock() const = 0;
    virtual const ListDrawingResources& list_drawing() const = 0;

    virtual int current_tab_index() const = 0;
    // Selects the tab in the tab control and, when the control accepts it, makes its page
    // current. False when the tab control refused the selection.
    virtual bool switch_to_tab(int index) = 0;

    // Writes the list files whose lists changed; called once a change is committed.
    virtual void save_changes() = 0;

    // A Yes/No question centred on the main dialog; true exactly for Yes.
    virtual bool ask_yes_no(const std::wstring& caption, const std::wstring& text) = 0;
};

} // namespace engine
