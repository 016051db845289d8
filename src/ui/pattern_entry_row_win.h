#pragma once

#include "ui/pattern_entry.h"

#include <windows.h>

// The pattern entry row of an editor dialog: the target list, the comparison list, the phrase
// box (typing stops at PHRASE_LIMIT characters) and the "Case Sensitive" check box.

inline constexpr int PHRASE_LIMIT = 64;

// Fills both lists afresh and shows the entry in the four controls.
void show_pattern_entry(HWND dialog, const PatternEntry& entry);
// The whole phrase is read, also one longer than the typing limit that came from a data file.
PatternEntry read_pattern_entry(HWND dialog);

HWND phrase_box(HWND dialog);
