#include "storage/hidden_windows_file.h"

#include "app/diagnostic_log.h"

#include <limits>
#include <optional>

namespace {

// The whole value must be decimal digits, with a minus sign only where `allow_negative`, and
// within [minimum, maximum]: a handle read wrongly would name some other window.
std::optional<std::int64_t> exact_integer(const engine::config_element& rule, const wchar_t* name,
                                          std::uint64_t maximum, bool allow_negative = false) {
    const std::wstring value = rule.find_property(name)->get_value();
    std::size_t position = 0;
    const bool negative = allow_negative && !value.empty() && value[0] == L'-';
    if (negative) {
        position = 1;
    }
    if (position == value.size() || value.size() - position > 20) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    for (; position < value.size(); ++position) {
        const wchar_t digit = value[position];
        if (digit < L'0' || digit > L'9') {
            return std::nullopt;
        }
        const auto digit_value = static_cast<std::uint64_t>(digit - L'0');
        if (magnitude > (maximum - digit_value) / 10) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + digit_value;
    }
    const auto signed_magnitude = static_cast<std::int64_t>(magnitude);
    return negative ? -signed_magnitude : signed_magnitude;
}

bool is_showing_command(std::int64_t command) {
    return command == show_command::NORMAL || command == show_command::MINIMIZED ||
           command == show_command::MAXIMIZED || command == show_command::SHOW;
}

constexpr auto MAX_BOOT_TIME = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
// Handles are written as unsigned decimals of the 64-bit build's width at most.
constexpr auto MAX_HANDLE = static_cast<std::uint64_t>(std::numeric_limits<WindowHandle>::max());
constexpr auto MAX_CREATION_TIME = MAX_BOOT_TIME;

std::optional<engine::BootSession> read_session(const engine::config_element& rule) {
    const auto session_id =
        exact_integer(rule, L"session_id", std::numeric_limits<std::uint32_t>::max());
    const auto boot_time = exact_integer(rule, L"boot_time", MAX_BOOT_TIME, true);
    if (!session_id || !boot_time) {
        return std::nullopt;
    }
    return engine::BootSession{static_cast<std::uint32_t>(*session_id), *boot_time};
}

std::optional<HiddenWindowEntry> read_entry(const engine::config_element& rule) {
    const auto hwnd = exact_integer(rule, L"hwnd", MAX_HANDLE);
    const auto process_id =
        exact_integer(rule, L"process_id", std::numeric_limits<std::uint32_t>::max());
    const auto show_cmd = exact_integer(rule, L"show_cmd", show_command::SHOW);
    if (!hwnd || *hwnd == 0 || !process_id || *process_id == 0 || !show_cmd ||
        !is_showing_command(*show_cmd)) {
        return std::nullopt;
    }
    HiddenWindowEntry entry;
    entry.hwnd = static_cast<WindowHandle>(*hwnd);
    entry.process_id = static_cast<std::uint32_t>(*process_id);
    entry.image_name = rule.find_property(L"image_name")->get_value();
    entry.title = rule.find_property(L"title")->get_value();
    entry.show_cmd = static_cast<int>(*show_cmd);
    if (entry.image_name.empty()) {
        return std::nullopt;
    }
    if (rule.has_properties({L"group_id"})) {
        const auto group_id =
            exact_integer(rule, L"group_id", std::numeric_limits<int>::max(), true);
        if (!group_id || *group_id < -1) {
            return std::nullopt;
        }
        entry.group_id = static_cast<int>(*group_id);
    }
    return entry;
}

// A rule names its process by creation time, or in the older format its boot session; an
// older rule of another boot is out of date, which `current` tells. None for a faulty rule.
std::optional<std::optional<HiddenWindowEntry>> read_rule(const engine::config_element& rule,
                                                          const engine::BootSession& current) {
    auto entry = read_entry(rule);
    if (!entry) {
        return std::nullopt;
    }
    if (rule.has_properties({L"process_created"})) {
        const auto created = exact_integer(rule, L"process_created", MAX_CREATION_TIME);
        if (!created || *created == 0) {
            return std::nullopt;
        }
        entry->process_created = static_cast<std::uint64_t>(*created);
        return entry;
    }
    if (!rule.has_properties({L"session_id", L"boot_time"})) {
        return std::nullopt;
    }
    const auto session = read_session(rule);
    if (!session) {
        return std::nullopt;
    }
    return engine::same_boot(*session, current) ? entry : std::nullopt;
}

} // namespace

bool read_hidden_windows(const engine::config_element& root, const engine::BootSession& current,
                         std::vector<HiddenWindowEntry>& entries) {
    entries.clear();
    const engine::config_element* list = root.find_child(L"hidden_windows");
    if (list == nullptr) {
        log_message(L"Unable to load hidden windows, invalid data file.");
        return false;
    }
    const auto rules = list->children_named(L"rule");
    if (rules.size() > MAX_HIDDEN_WINDOW_ENTRIES) {
        log_message(L"Unable to load hidden windows, too many entries.");
        return false;
    }
    for (const engine::config_element* rule : rules) {
        const auto entry =
            rule->has_properties({L"hwnd", L"process_id", L"image_name", L"title", L"show_cmd"})
                ? read_rule(*rule, current)
                : std::nullopt;
        if (!entry) {
            log_message(L"Unable to load hidden window, missing or invalid data.");
        } else if (*entry) {
            entries.push_back(**entry);
        }
    }
    return true;
}

void write_hidden_windows(const std::vector<HiddenWindowEntry>& entries,
                          engine::config_element& root) {
    root.clear_children();
    root.clear_properties();
    engine::config_element& list = root.add_child(L"hidden_windows");
    for (const HiddenWindowEntry& entry : entries) {
        engine::config_element& rule = list.add_child(L"rule");
        rule.property(L"hwnd").set_value(std::to_wstring(entry.hwnd));
        rule.property(L"process_id").set_value(std::to_wstring(entry.process_id));
        rule.property(L"image_name").set_value(entry.image_name);
        rule.property(L"title").set_value(entry.title);
        rule.property(L"show_cmd").set_int(entry.show_cmd);
        rule.property(L"process_created").set_value(std::to_wstring(entry.process_created));
        rule.property(L"group_id").set_int(entry.group_id);
    }
}
