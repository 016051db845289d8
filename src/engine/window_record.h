#pragma once

#include "engine/window_handle.h"

#include <string>

// One top-level window as the last enumeration pass saw it.
struct WindowRecord {
    // Never empty in a recorded window; at most MAX_TITLE_LENGTH characters.
    std::wstring title;
    // The file name of the owning process's image, "(Unknown)" when it could not be read.
    std::wstring image_name;
    // The WS_VISIBLE bit; a minimised window is visible.
    bool visible = false;
    // The ShowWindow command that shows the window again as it was: its placement's show
    // state while visible, SW_SHOW (5) once it is not.
    int show_cmd = 0;
    WindowHandle hwnd = 0;

    static constexpr std::size_t MAX_TITLE_LENGTH = 4095;

    bool operator==(const WindowRecord&) const = default;
};
