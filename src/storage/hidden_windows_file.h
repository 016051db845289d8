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
    // When the window's process was created, in the system's 100-nanosecond units: with the
    // process id it names one process for the life of the system, whatever the clock does. 0
    // in an entry of the older format, which names its boot instead.
    std::uint64_t process_created = 0;
    // The group of the visibility timer that hid the window; -1 when no timer did.
    int group_id = -1;

    bool operator==(const HiddenWindowEntry&) const = default;
};

// hidden_windows.xml: a `hidden_windows` element under the root with one `rule` per window
// hidden by this program, each naming the window's process by id and creation time. It is what
// lets a new run offer the windows that an earlier one, ended without its exit sequence, left
// hidden. Files of older versions name the boot session instead of the process's creation.

// More entries than any desktop holds windows; a file with more is not one of ours.
inline constexpr std::size_t MAX_HIDDEN_WINDOW_ENTRIES = 10000;

// The entries of a loaded file. A rule of the older format is taken only when written in
// `current` boot session, and dropped silently otherwise; a rule lacking an attribute or
// holding an impossible value is logged and skipped. False, logged, when the root has no
// `hidden_windows` or holds more than MAX_HIDDEN_WINDOW_ENTRIES rules; `entries` is then left
// empty.
bool read_hidden_windows(const engine::config_element& root, const engine::BootSession& current,
                         std::vector<HiddenWindowEntry>& entries);

// Replaces everything in the tree with `entries`.
void write_hidden_windows(const std::vector<HiddenWindowEntry>& entries,
                          engine::config_element& root);
