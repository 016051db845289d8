#pragma once

#include "engine/boot_session.h"
#include "engine/show_commands.h"
#include "engine/window_handle.h"
#include "storage/config_element.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One window this program hid and has not shown since, as it was when it was hidden.
struct HiddenWindowEntry {
    WindowHandle hwnd = 0;
    std::uint32_t process_id = 0;
    std::wstring image_name;
    std::wstring title;
    // The ShowWindow command that shows the window again as it was.
    int show_cmd = show_command::SHOW;

    bool operator==(const HiddenWindowEntry&) const = default;
};

// hidden_windows.xml: a `hidden_windows` element under the root with one `rule` per window
// hidden by this program, each naming the boot session it was written in. It is what lets a
// new run offer the windows that an earlier one, ended without its exit sequence, left hidden.

// More entries than any desktop holds windows; a file with more is not one of ours.
inline constexpr std::size_t MAX_HIDDEN_WINDOW_ENTRIES = 10000;

// The entries of a loaded file written in `current` boot session. Rules of another session
// are dropped silently; a rule lacking an attribute or holding an impossible value is logged
// and skipped. False, logged, when the root has no `hidden_windows` or holds more than
// MAX_HIDDEN_WINDOW_ENTRIES rules; `entries` is then left empty.
bool read_hidden_windows(const engine::config_element& root, const engine::BootSession& current,
                         std::vector<HiddenWindowEntry>& entries);

// Replaces everything in the tree with `entries`, each marked with `session`.
void write_hidden_windows(const std::vector<HiddenWindowEntry>& entries,
                          const engine::BootSession& session, engine::config_element& root);
