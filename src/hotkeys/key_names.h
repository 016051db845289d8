#pragma once

#include "model/data_model.h"
#include "model/hot_key.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace key_names_detail {
constexpr std::array<std::uint32_t, 100> make_key_choices() {
    std::array<std::uint32_t, 100> codes{};
    std::size_t next = 0;
    auto add_range = [&](std::uint32_t first, std::uint32_t last) {
        for (std::uint32_t code = first; code <= last; ++code) {
            codes[next++] = code;
        }
    };
    add_range(UNSPECIFIED_KEY, UNSPECIFIED_KEY);
    add_range(8, 9);
    add_range(12, 13);
    add_range(19, 20);
    add_range(27, 27);
    add_range(32, 42);
    add_range(44, 46);
    add_range(48, 57);
    add_range(65, 90);
    add_range(96, 135);
    add_range(144, 145);
    return codes;
}
} // namespace key_names_detail

// The key codes the hot key editors offer, in list order: "Unspecified" first, then every
// code that `key_name` names, ascending.
inline constexpr std::array<std::uint32_t, 100> KEY_CHOICES = key_names_detail::make_key_choices();

// The key code at a list position; UNSPECIFIED_KEY for a position outside the table.
std::uint32_t key_choice_code(int position);
// The list position of a key code, or none when the editors do not offer it.
std::optional<int> key_choice_position(std::uint32_t key_code);

// "Enter", "F5", "A", ...; "Unspecified" for UNSPECIFIED_KEY and "Unknown" for other codes.
std::wstring key_name(std::uint32_t key_code);

// The modifiers and the key, e.g. CTRL + ALT + Delete.
std::wstring combination_text(const HotKey& hot_key);

// "Toggle Visibility", "Show Only", "Hide Only", or "Unknown".
std::wstring action_name(std::uint32_t action);

// The text of a program-wide event slot, e.g. "Show All Windows"; empty outside the slots.
std::wstring event_name(int slot);

// Names the group a hot key or timer applies to, or says that no such group exists.
std::wstring group_text(int group_id, const DataModel& model);
