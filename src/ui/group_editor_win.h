#pragma once

#include "model/group.h"

#include <windows.h>

#include <optional>

// The modal Window Group Editor, owned by and centred on `owner`, working on a copy of `group`.
// Returns the edited copy when the user confirms with "OK", which refuses an empty name or a
// group without patterns; nothing when they cancel or close the dialog.
std::optional<Group> run_group_editor(HWND owner, const Group& group);
