#include "hotkeys/key_names.h"

#include <algorithm>

std::uint32_t key_choice_code(int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= KEY_CHOICES.size()) {
        return UNSPECIFIED_KEY;
    }
    return KEY_CHOICES[static_cast<std::size_t>(position)];
}

std::optional<int> key_choice_position(std::uint32_t key_code) {
    const auto found = std::find(KEY_CHOICES.begin(), KEY_CHOICES.end(), key_code);
    if (found == KEY_CHOICES.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - KEY_CHOICES.begin());
}

namespace {

const wchar_t* named_key(std::uint32_t key_code) {
    switch (key_code) {
    case UNSPECIFIED_KEY:
        return L"Unspecified";
    case 8:
        return L"Backspace";
    case 9:
        return L"Tab";
    case 12:
        return L"Clear";
    case 13:
        return L"Enter";
    case 19:
        return L"Pause";
    case 20:
        return L"Caps Lock";
    case 27:
        return L"Escape";
    case 32:
        return L"Space Bar";
    case 33:
        return L"Page Up";
    case 34:
        return L"Page Down";
    case 35:
        return L"End";
    case 36:
        return L"Home";
    case 37:
        return L"Left Arrow";
    case 38:
        return L"Up Arrow";
    case 39:
        return L"Right Arrow";
    case 40:
        return L"Down Arrow";
    case 41:
        return L"Select";
    case 42:
        return L"Print";
    case 44:
        return L"Print Screen";
    case 45:
        return L"Insert";
    case 46:
        return L"Delete";
    case 106:
        return L"Multiply";
    case 107:
        return L"Add";
    case 108:
        return L"Separator";
    case 109:
        return L"Subtract";
    case 110:
        return L"Decimal";
    case 111:
        return L"Divide";
    case 144:
        return L"Num Lock";
    case 145:
        return L"Scroll Lock";
    default:
        return nullptr;
    }
}

} // namespace

std::wstring key_name(std::uint32_t key_code) {
    if (const wchar_t* name = named_key(key_code)) {
        return name;
    }
    // Virtual-key codes of the digits and capital letters are their character codes.
    if ((key_code >= '0' && key_code <= '9') || (key_code >= 'A' && key_code <= 'Z')) {
        return std::wstring(1, static_cast<wchar_t>(key_code));
    }
    if (key_code >= 96 && key_code <= 105) {
        return L"Numpad " + std::to_wstring(key_code - 96);
    }
    if (key_code >= 112 && key_code <= 135) {
        return L"F" + std::to_wstring(key_code - 111);
    }
    return L"Unknown";
}

std::wstring combination_text(const HotKey& hot_key) {
    std::wstring text;
    auto append = [&text](const wchar_t* part) {
        if (!text.empty()) {
            text += L' ';
        }
        text += part;
    };
    if (hot_key.mod_ctrl) {
        append(L"CTRL +");
    }
    if (hot_key.mod_alt) {
        append(L"ALT +");
    }
    if (hot_key.mod_shift) {
        append(L"SHIFT +");
    }
    if (hot_key.mod_win) {
        append(L"WIN +");
    }
    append(key_name(hot_key.key_code).c_str());
    return text;
}

std::wstring action_name(std::uint32_t action) {
    switch (action) {
    case HotKey::TOGGLE_VISIBILITY:
        return L"Toggle Visibility";
    case HotKey::SHOW_ONLY:
        return L"Show Only";
    case HotKey::HIDE_ONLY:
        return L"Hide Only";
    default:
        return L"Unknown";
    }
}

std::wstring event_name(int slot) {
    switch (slot) {
    case EVENT_TOGGLE_ALL_WINDOWS:
        return L"Toggle Visibility of All Windows";
    case EVENT_HIDE_ACTIVE_WINDOW:
        return L"Hide The Active Window";
    case EVENT_HIDE_ALL_EXCEPT_ACTIVE:
        return L"Hide All Except Active Window";
    case EVENT_SHOW_ALL_WINDOWS:
        return L"Show All Windows";
    case EVENT_HIDE_ALL_WINDOWS:
        return L"Hide All Windows";
    default:
        return L"";
    }
}

std::wstring group_text(int group_id, const DataModel& model) {
    const int index = model.find_group_index(group_id);
    if (index == -1) {
        return L"Invalid group association.";
    }
    return L"Applies to group \"" + model.group(index).name() + L"\"";
}
