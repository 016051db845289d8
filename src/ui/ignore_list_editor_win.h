#pragma once

#include "model/data_model.h"
#include "ui/page_host_win.h"

#include <windows.h>

// The modal Ignore List Editor, owned by and centred on `owner`: the user adds, edits,
// duplicates and removes the ignore rules, each change going into `model` at once (there is
// nothing to cancel). True when the user ended it with "&Close", false when with the window's
// close box.
bool run_ignore_list_editor(HWND owner, DataModel& model);

// The main window's "Edit Ignore List" command: the editor over the main dialog and, after
// "&Close", a fresh look at the windows, so that newly ignored ones leave the lists and no
// longer ignored ones come back.
void edit_ignore_list(engine::page_host& host, DataModel& model);
