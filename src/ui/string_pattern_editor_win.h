#pragma once

#include "model/pattern.h"

#include <windows.h>

#include <optional>

// The modal String Pattern Editor, owned by and centred on `owner`, working on a copy of
// `pattern`. Returns the edited copy when the user confirms with "OK", which refuses an empty
// phrase; nothing when they cancel or close the dialog.
std::optional<Pattern> edit_string_pattern(HWND owner, const Pattern& pattern);
