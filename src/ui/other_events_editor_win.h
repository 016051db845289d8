#pragma once

#include "model/data_model.h"
#include "ui/hot_key_settings_win.h"

#include <windows.h>

// The modal "Configure Other Hot Key Events" dialog, owned by and centred on `owner`, on the
// model's five program-wide hot keys. The user picks an event and sets its combination; a
// combination is written to its slot when it is committed: by "OK", or by opening the event
// list to move to another event. Committed slots keep their combination when the dialog is
// cancelled afterwards. A commit refuses modifiers without a key, asks about a key without
// modifiers and refuses a combination that `test` finds taken, leaving the slot as it was.
// True when the dialog closed with "OK".
bool run_other_events_editor(HWND owner, DataModel& model, const HotKeyTest& test);
