#pragma once

#include "hotkeys/hot_key_registration.h"
#include "model/hot_key.h"

#include <windows.h>

#include <cstdint>
#include <functional>

// The "Hot Key Settings:" box that both hot key dialogs share (the four modifier check boxes
// and the key list), and the questions and refusals both ask when the user confirms a
// combination.

// Asks whether a combination may be taken: `test_hot_key` against the model and the system.
using HotKeyTest = std::function<HotKeyTestResult(const HotKey& candidate)>;

// What the box shows: a key from the key list (UNSPECIFIED_KEY for "Unspecified") and the
// modifiers ticked.
struct KeySettings {
    std::uint32_t key_code = UNSPECIFIED_KEY;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;

    bool any_modifier() const { return ctrl || alt || shift || win; }
};

// Fills the key list with the name of every key the editors offer.
void fill_key_list(HWND dialog);
// Ticks the boxes from the hot key's modifiers and selects its key ("Unspecified" for a key
// the list does not offer).
void show_key_settings(HWND dialog, const HotKey& hot_key);
// No box ticked and "Unspecified" selected.
void clear_key_settings(HWND dialog);
KeySettings read_key_settings(HWND dialog);
void store_modifiers(const KeySettings& settings, HotKey& hot_key);

// Asks whether to go on with a combination that has no modifier; true for Yes.
bool confirm_no_modifiers(HWND dialog);
// Tells the user why a tested combination cannot be taken; true when it can.
bool accept_test_result(HWND dialog, const HotKeyTestResult& result);
