#include "ui/hot_key_settings_win.h"

#include "app/message_box_win.h"
#include "hotkeys/key_names.h"
#include "hotkeys_editors_resource.h"

namespace {

const wchar_t* const INVALID_HOT_KEY_CAPTION = L"Invalid Hot Key";

void check(HWND dialog, int id, bool ticked) {
    CheckDlgButton(dialog, id, ticked ? BST_CHECKED : BST_UNCHECKED);
}

bool ticked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

} // namespace

void fill_key_list(HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_HOT_KEY_KEY);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const std::uint32_t code : KEY_CHOICES) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key_name(code).c_str()));
    }
}

void show_key_settings(HWND dialog, const HotKey& hot_key) {
    check(dialog, IDC_HOT_KEY_CTRL, hot_key.mod_ctrl);
    check(dialog, IDC_HOT_KEY_ALT, hot_key.mod_alt);
    check(dialog, IDC_HOT_KEY_SHIFT, hot_key.mod_shift);
    check(dialog, IDC_HOT_KEY_WIN, hot_key.mod_win);
    const int position = key_choice_position(hot_key.key_code).value_or(0);
    SendDlgItemMessageW(dialog, IDC_HOT_KEY_KEY, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

void clear_key_settings(HWND dialog) {
    for (const int id : {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT, IDC_HOT_KEY_SHIFT, IDC_HOT_KEY_WIN}) {
        check(dialog, id, false);
    }
    SendDlgItemMessageW(dialog, IDC_HOT_KEY_KEY, CB_SETCURSEL, 0, 0);
}

KeySettings read_key_settings(HWND dialog) {
    const auto position = SendDlgItemMessageW(dialog, IDC_HOT_KEY_KEY, CB_GETCURSEL, 0, 0);
    return {.key_code = key_choice_code(static_cast<int>(position)),
            .ctrl = ticked(dialog, IDC_HOT_KEY_CTRL),
            .alt = ticked(dialog, IDC_HOT_KEY_ALT),
            .shift = ticked(dialog, IDC_HOT_KEY_SHIFT),
            .win = ticked(dialog, IDC_HOT_KEY_WIN)};
}

void store_modifiers(const KeySettings& settings, HotKey& hot_key) {
    hot_key.mod_ctrl = settings.ctrl;
    hot_key.mod_alt = settings.alt;
    hot_key.mod_shift = settings.shift;
    hot_key.mod_win = settings.win;
}

bool confirm_no_modifiers(HWND dialog) {
    return ask_yes_no(dialog, L"No modifiers specified",
                      L"The hot key combination you've specified does not contain any modifiers "
                      L"(such as the Control or Shift) key.  Creating hot keys without modifiers "
                      L"may cause unexpected behavior due to their general system use.  Are you "
                      L"sure you'd like to continue without modifiers?");
}

bool accept_test_result(HWND dialog, const HotKeyTestResult& result) {
    if (result.usable) {
        return true;
    }
    if (result.in_use) {
        information_box(dialog, INVALID_HOT_KEY_CAPTION,
                        L"The hot key combination you've selected is already in use.");
    } else {
        information_box(dialog, INVALID_HOT_KEY_CAPTION,
                        L"The hot key combination you've selected appears to be registered by "
                        L"another application on this system and can not be reused.");
    }
    return false;
}
