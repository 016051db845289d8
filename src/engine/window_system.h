#pragma once

#include "engine/boot_session.h"
#include "engine/window_handle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// The few operations the engine needs on other applications' windows. The Windows layer
// implements them with USER32 and the process API; tests substitute a recording fake.
class window_system {
public:
    virtual ~window_system() = default;

    // The top-level windows of the program's desktop in Z order, topmost first.
    virtual std::vector<WindowHandle> top_level_windows() = 0;
    // False once the handle names no window.
    virtual bool window_exists(WindowHandle window) = 0;
    // The window's text, at most 4,095 characters; empty when it has none.
    virtual std::wstring title(WindowHandle window) = 0;
    // The WS_VISIBLE bit of the window's style; false when the style cannot be read.
    virtual bool is_visible(WindowHandle window) = 0;
    // The show state of the window's placement (1 normal, 2 minimised, 3 maximised, ...);
    // none when the placement cannot be read.
    virtual std::optional<int> placement_show_state(WindowHandle window) = 0;
    // The WS_VISIBLE bit and the show state, both as above, from one read of the window's
    // style, which a pass of the windows makes for each.
    struct State {
        bool visible = false;
        std::optional<int> show_state;
    };
    virtual State state(WindowHandle window) = 0;
    // The parent of a child window or the owner of a pop-up one (dialogs, message boxes); 0
    // for none.
    virtual WindowHandle parent(WindowHandle window) = 0;
    // The id of the process that created the window; 0 when it cannot be found.
    virtual std::uint32_t process_id(WindowHandle window) = 0;
    // The image path of a process in the system's device form; empty when the process
    // cannot be opened for querying or its path cannot be read.
    virtual std::wstring process_image_path(std::uint32_t process_id) = 0;
    // When the process was created, in 100-nanosecond units since 1601 (FILETIME); 0 when the
    // process cannot be opened for so much.
    virtual std::uint64_t process_creation_time(std::uint32_t process_id) = 0;
    // Asks for a ShowWindow command without waiting for the window's thread.
    virtual void show_async(WindowHandle window, int show_command) = 0;
    virtual WindowHandle foreground_window() = 0;
    virtual void set_foreground_window(WindowHandle window) = 0;
    // The logon session this program runs in and the start of the running system.
    virtual BootSession boot_session() = 0;
};

} // namespace engine
