#pragma once

#include "model/data_model.h"
#include "model/hot_key.h"
#include "ui/hot_key_settings_win.h"

#include <windows.h>

#include <optional>

// The modal Hot Key Editor, owned by and centred on `owner`, working on a copy of `hot_key`:
// its group (from the model's groups), its action, its modifiers and its key. Returns the
// edited copy when the user confirms with "OK", which refuses a missing key, asks about a
// combination without modifiers, refuses a combination that `test` finds taken and needs a
// group; nothing when they cancel or close the dialog.
std::optional<HotKey> run_hot_key_editor(HWND owner, const DataModel& model, const HotKeyTest& test,
                                         const HotKey& hot_key);
