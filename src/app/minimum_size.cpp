#include "app/minimum_size.h"

namespace {

bool drags_right(SizingEdge edge) {
    return edge == SizingEdge::right || edge == SizingEdge::top_right ||
           edge == SizingEdge::bottom_right;
}

bool drags_left(SizingEdge edge) {
    return edge == SizingEdge::left || edge == SizingEdge::top_left ||
           edge == SizingEdge::bottom_left;
}

bool drags_bottom(SizingEdge edge) {
    return edge == SizingEdge::bottom || edge == SizingEdge::bottom_left ||
           edge == SizingEdge::bottom_right;
}

bool drags_top(SizingEdge edge) {
    return edge == SizingEdge::top || edge == SizingEdge::top_left || edge == SizingEdge::top_right;
}

} // namespace

bool enforce_minimum_size(WindowRect& proposed, SizingEdge dragged, int dpi) {
    const int minimum_width = (MINIMUM_WINDOW_WIDTH * dpi + 48) / 96;
    const int minimum_height = (MINIMUM_WINDOW_HEIGHT * dpi + 48) / 96;
    const bool too_narrow = proposed.right - proposed.left < minimum_width;
    const bool too_low = proposed.bottom - proposed.top < minimum_height;
    if (too_narrow) {
        if (drags_right(dragged)) {
            proposed.right = proposed.left + minimum_width;
        } else if (drags_left(dragged)) {
            proposed.left = proposed.right - minimum_width;
        }
    }
    if (too_low) {
        if (drags_bottom(dragged)) {
            proposed.bottom = proposed.top + minimum_height;
        } else if (drags_top(dragged)) {
            proposed.top = proposed.bottom - minimum_height;
        }
    }
    return too_narrow || too_low;
}
