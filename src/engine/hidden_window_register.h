#pragma once

#include "engine/window_handle.h"

#include <map>
#include <optional>
#include <vector>

// Remembers, for the life of the process, which windows this program hid, under which owner
// (a visibility timer's id, or NO_OWNER), and per owner the windows it still holds hidden.
// It is keyed by handle, not by record index, so it survives every enumeration pass. Entries
// outlive their windows: a later window that gets the same handle inherits them.
class HiddenWindowRegister {
public:
    static constexpr int NO_OWNER = -1;

    // True while this program has hidden the window and not shown it since.
    bool was_hidden(WindowHandle window) const;
    // The owner of the window's most recent hiding; none when this program never hid it.
    std::optional<int> owner_of(WindowHandle window) const;
    // The windows hidden under `owner` and not shown since, in hiding order; a window hidden
    // repeatedly occurs repeatedly.
    std::vector<WindowHandle> windows_of(int owner) const;

    void record_hidden(WindowHandle window, int owner);
    // A shown window leaves every owner's list, not just its latest owner's: otherwise a
    // timer whose period has ended would show it again at every tick after another owner
    // (a later timer, a group action) hid it once more.
    void record_shown(WindowHandle window);

private:
    std::map<WindowHandle, bool> hidden_flags_;
    std::map<WindowHandle, int> owners_;
    std::map<int, std::vector<WindowHandle>> windows_of_owner_;
};
