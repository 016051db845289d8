#include "app/tray_menu_text.h"

#include "model/group.h"
#include "timers/timer_period.h"

#include <algorithm>
#include <array>

namespace {

struct EntryRange {
    TrayCommandKind kind;
    int base;
};

// In the order a chosen identifier is tested.
constexpr std::array<EntryRange, 5> ENTRY_RANGES{{
    {TrayCommandKind::HIDE_GROUP, tray_menu_id::HIDE_GROUP_BASE},
    {TrayCommandKind::SHOW_GROUP, tray_menu_id::SHOW_GROUP_BASE},
    {TrayCommandKind::TOGGLE_TIMER, tray_menu_id::TOGGLE_TIMER_BASE},
    {TrayCommandKind::HIDE_LISTED_WINDOW, tray_menu_id::HIDE_WINDOW_BASE},
    {TrayCommandKind::SHOW_LISTED_WINDOW, tray_menu_id::SHOW_WINDOW_BASE},
}};

struct SingleCommand {
    TrayCommandKind kind;
    int id;
};

constexpr std::array<SingleCommand, 3> SINGLE_COMMANDS{{
    {TrayCommandKind::HIDE_ALL_WINDOWS, tray_menu_id::HIDE_ALL_WINDOWS},
    {TrayCommandKind::SHOW_ALL_WINDOWS, tray_menu_id::SHOW_ALL_WINDOWS},
    {TrayCommandKind::EXIT, tray_menu_id::EXIT},
}};

} // namespace

std::optional<TrayCommand> decode_tray_command(int identifier) {
    for (const EntryRange& range : ENTRY_RANGES) {
        if (identifier >= range.base && identifier < range.base + tray_menu_id::RANGE_SIZE) {
            return TrayCommand{range.kind, identifier - range.base};
        }
    }
    for (const SingleCommand& single : SINGLE_COMMANDS) {
        if (identifier == single.id) {
            return TrayCommand{single.kind, 0};
        }
    }
    return std::nullopt;
}

int listed_entry_count(int count) {
    return std::clamp(count, 0, tray_menu_id::RANGE_SIZE);
}

std::wstring timer_item_text(const VisibilityTimer& timer, const DataModel& model) {
    const int group_index = model.find_group_index(timer.group_id);
    const std::wstring group_name =
        group_index >= 0 ? model.group(group_index).name() : Group().name();
    const bool stopwatch = timer.type != VisibilityTimer::CLOCK;
    return std::wstring(stopwatch ? L"(Stopwatch) Hides " : L"(Clock) Hides ") + L"\"" +
           group_name + L"\"" + (stopwatch ? L" for " : L" from ") + period_text(timer) + L".";
}

std::wstring menu_item_label(const std::wstring& text) {
    std::wstring label;
    label.reserve(text.size());
    for (const wchar_t character : text) {
        if (character == L'&') {
            label += L'&';
        }
        label += character;
    }
    return label;
}
