#pragma once

#include "engine/local_clock.h"
#include "model/data_model.h"
#include "model/visibility_timer.h"

#include <windows.h>

// What the Visibility Timer Editor works on: the timer it edits in place (the callers pass a
// copy or a new record) and, on return, whether the user asked to switch the timer's state.
struct TimerEditorContext {
    const DataModel& model;
    const engine::local_clock& clock;
    VisibilityTimer timer;
    bool activate_requested = false;
};

// The modal Visibility Timer Editor, owned by and centred on `owner`. True when the user
// confirmed with "OK" or "Activate"/"Deactivate", which refuse a timer without a group or
// without a duration; false when they cancelled or closed it.
bool run_timer_editor(HWND owner, TimerEditorContext& context);
