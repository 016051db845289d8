#pragma once

#include "model/data_model.h"
#include "model/visibility_timer.h"

#include <optional>
#include <string>

// What a tray menu item does. The kinds that list entries (groups, timers, windows) each own
// a range of identifiers from their base; `index` is the entry within the range.
enum class TrayCommandKind {
    HIDE_GROUP,
    SHOW_GROUP,
    TOGGLE_TIMER,
    HIDE_LISTED_WINDOW,
    SHOW_LISTED_WINDOW,
    SHOW_ALL_WINDOWS,
    HIDE_ALL_WINDOWS,
    EXIT,
};

struct TrayCommand {
    TrayCommandKind kind = TrayCommandKind::EXIT;
    int index = 0;

    bool operator==(const TrayCommand&) const = default;
};

namespace tray_menu_id {
inline constexpr int HIDE_GROUP_BASE = 5000;
inline constexpr int SHOW_GROUP_BASE = 6000;
inline constexpr int HIDE_WINDOW_BASE = 7000;
inline constexpr int SHOW_WINDOW_BASE = 8000;
inline constexpr int TOGGLE_TIMER_BASE = 9000;
// Each range holds this many identifiers, base to base + 999.
inline constexpr int RANGE_SIZE = 1000;
inline constexpr int EXIT = 40001;
inline constexpr int HIDE_ALL_WINDOWS = 40016;
inline constexpr int SHOW_ALL_WINDOWS = 40017;
} // namespace tray_menu_id

// The command a chosen identifier stands for; none for 0 (no choice) and unknown identifiers.
std::optional<TrayCommand> decode_tray_command(int identifier);

// How many of `count` entries one submenu lists: all of them up to the size of an identifier
// range, so that a long list never runs into the next range's identifiers.
int listed_entry_count(int count);

// The item of a timer: (Clock) Hides "Web Browsers" from <period>. A timer whose group is gone
// names the default group.
std::wstring timer_item_text(const VisibilityTimer& timer, const DataModel& model);

// A text as a menu item shows it: an ampersand in a window title or a group name is a
// character, not the mark of a mnemonic.
std::wstring menu_item_label(const std::wstring& text);
