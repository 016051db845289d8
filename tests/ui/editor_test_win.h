#pragma once

#include "editors_resource.h"
#include "harness/screenshot_win.h"
#include "hotkeys/key_names.h"
#include "hotkeys_editors_resource.h"
#include "model/pattern.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

using Texts = std::vector<std::wstring>;

// A modal editor opened over an owner window of its own and worked by `script`.
class EditorTest : public testing::Test {
protected:
    ~EditorTest() override { DestroyWindow(owner); }

    const HWND owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                       120, 90, 760, 420, nullptr, nullptr, nullptr, nullptr);
    ModalScript script;
};

// The three ways a user leaves a dialog without confirming it.
inline const std::pair<const char*, void (*)(HWND)> WAYS_TO_CANCEL[] = {
    {"Cancel", [](HWND dialog) { user::click(dialog, IDCANCEL); }},
    {"the close box", &user::close_window},
    {"Escape", &user::press_escape}};

// Opens the dialog with `open` once for each way to cancel it, after the user made `changes`
// in it, and returns what each opening returned.
template <typename Open>
auto cancel_each_way(const std::wstring& caption, void (*changes)(HWND), Open open) {
    std::vector<decltype(open())> results;
    for (const auto& way : WAYS_TO_CANCEL) {
        ModalScript script;
        script.on(caption, changes).on(caption, way.second);
        results.push_back(script.run(open));
    }
    return results;
}

// Whether `window` is centred on `owner`, give or take a pixel of rounding.
inline bool centred_on(HWND window, HWND owner) {
    RECT inner{};
    RECT outer{};
    GetWindowRect(window, &inner);
    GetWindowRect(owner, &outer);
    return std::abs(inner.left + inner.right - outer.left - outer.right) <= 2 &&
           std::abs(inner.top + inner.bottom - outer.top - outer.bottom) <= 2;
}

// Saves a picture of the screen once the dialog is fully painted.
inline void screenshot(HWND dialog, const std::wstring& name) {
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    harness::save_screenshot(name);
}

inline Pattern pattern(int compare, int applies_to, const std::wstring& phrase,
                       bool case_sensitive = false) {
    return {.compare = compare,
            .applies_to = applies_to,
            .phrase = phrase,
            .case_sensitive = case_sensitive};
}

// What the row in which a pattern is entered shows: target, comparison, phrase and whether
// the case matters.
inline Texts pattern_entry_shown(HWND dialog) {
    return {user::chosen_text(dialog, IDC_PATTERN_TARGET),
            user::chosen_text(dialog, IDC_PATTERN_COMPARISON),
            user::text_of(user::item(dialog, IDC_PATTERN_PHRASE)),
            user::checked(dialog, IDC_PATTERN_CASE_SENSITIVE) ? L"case sensitive" : L""};
}

inline constexpr int MODIFIER_BOXES[] = {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT, IDC_HOT_KEY_SHIFT,
                                         IDC_HOT_KEY_WIN};

// What the "Hot Key Settings:" box shows: the key, then the name of each ticked modifier.
inline Texts key_settings_shown(HWND dialog) {
    Texts shown{user::chosen_text(dialog, IDC_HOT_KEY_KEY)};
    for (const int box : MODIFIER_BOXES) {
        if (user::checked(dialog, box)) {
            shown.push_back(user::text_of(user::item(dialog, box)));
        }
    }
    return shown;
}

// Picks the key and ticks exactly the given modifier boxes.
inline void set_key_settings(HWND dialog, std::uint32_t key_code,
                             std::initializer_list<int> ticked = {}) {
    user::choose(dialog, IDC_HOT_KEY_KEY, key_choice_position(key_code).value_or(-1));
    for (const int box : MODIFIER_BOXES) {
        user::tick(dialog, box, std::find(ticked.begin(), ticked.end(), box) != ticked.end());
    }
}
