#pragma once

#include "engine/window_handle.h"

#include <map>
#include <optional>
#include <set>
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

    // The windows this program holds hidden, in handle order.
    std::vector<WindowHandle> hidden_windows() const;

    void record_hidden(WindowHandle window, int owner);
    // What a pass saw of a window. Once seen hidden after this program hid it, a window seen
    // visible again was shown by its own program, which may hide it itself later (many
    // minimise to their own tray): it is no longer this program's, as if shown by it, and
    // true is returned. A hung program applies the hide late, so a window not yet seen hidden
    // stays this program's.
    bool notice_visibility(WindowHandle window, bool visible);
    // A shown window leaves every owner's list, not just its latest owner's: otherwise a
    // timer whose period has ended would show it again at every tick after another owner
    // (a later timer, a group action) hid it once more.
    void record_shown(WindowHandle window);

private:
    std::map<WindowHandle, bool> hidden_flags_;
    std::map<WindowHandle, int> owners_;
    std::map<int, std::vector<WindowHandle>> windows_of_owner_;
    // The hidden windows a pass has seen hidden since this program hid them.
    std::set<WindowHandle> seen_hidden_;
};
