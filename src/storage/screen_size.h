#pragma once

#include <functional>

// The client area of a full-screen window on the primary display, in pixels.
struct ScreenSize {
    int width = 0;
    int height = 0;
};

// Asked only when the settings need their default window size, so the Windows layer can hand
// in the system's metrics and tests any size they like.
using ScreenSizeSource = std::function<ScreenSize()>;
