#pragma once

#include "engine/hidden_window_register.h"
#include "engine/window_record.h"

#include <vector>

// The records of one enumeration pass, in the system's Z order (topmost first), and the
// register of the windows this program hid. A record index stays valid only until the next
// pass that finds a change.
struct WindowList {
    std::vector<WindowRecord> records;
    HiddenWindowRegister hidden_register;

    int count() const { return static_cast<int>(records.size()); }
    bool contains_index(int index) const { return index >= 0 && index < count(); }
    // A copy of record `index`; an empty record when the index is out of range.
    WindowRecord record(int index) const;
    // The index of the first record of `window`, or -1.
    int find_index(WindowHandle window) const;
};

// The change test of an enumeration pass: the same windows in the same order with the same
// title, visibility and show command. The image name takes no part.
bool same_windows(const std::vector<WindowRecord>& a, const std::vector<WindowRecord>& b);
