#pragma once

// A rectangle in screen coordinates, right and bottom exclusive.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Where a window of the given size goes when centred on `parent`, kept on the primary screen
// (origin 0,0). A window larger than the screen keeps its top-left corner visible, so its
// title bar can still be reached.
ScreenPoint centred_position(const ScreenRect& window, const ScreenRect& parent, int screen_width,
                             int screen_height);
