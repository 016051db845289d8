#pragma once

// The main window may not be dragged smaller than this, in pixels at 96 dots per inch.
inline constexpr int MINIMUM_WINDOW_WIDTH = 640;
inline constexpr int MINIMUM_WINDOW_HEIGHT = 400;

// A window's outer rectangle in screen pixels.
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const WindowRect&) const = default;
};

// The edge or corner being dragged, numbered as the system numbers them in WM_SIZING.
enum class SizingEdge {
    left = 1,
    right = 2,
    top = 3,
    top_left = 4,
    top_right = 5,
    bottom = 6,
    bottom_left = 7,
    bottom_right = 8,
};

// Grows a proposed rectangle to the minimum size at `dpi` by moving the dragged edge back, so
// the opposite edge stays where the user left it. True when the proposal was too narrow or too
// low, whether or not the dragged edge could be moved.
bool enforce_minimum_size(WindowRect& proposed, SizingEdge dragged, int dpi);
