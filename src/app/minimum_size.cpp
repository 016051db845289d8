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

bool enforce_minimum_size(WindowRect& proposed, SizingEdge dragged) {
    const bool too_narrow = proposed.right - proposed.left < MINIMUM_WINDOW_WIDTH;
    const bool too_low = proposed.bottom - proposed.top < MINIMUM_WINDOW_HEIGHT;
    if (too_narrow) {
        if (drags_right(dragged)) {
            proposed.right = proposed.left + MINIMUM_WINDOW_WIDTH;
        } else if (drags_left(dragged)) {
            proposed.left = proposed.right - MINIMUM_WINDOW_WIDTH;
        }
    }
    if (too_low) {
        if (drags_bottom(dragged)) {
            proposed.bottom = proposed.top + MINIMUM_WINDOW_HEIGHT;
        } else if (drags_top(dragged)) {
            proposed.top = proposed.bottom - MINIMUM_WINDOW_HEIGHT;
        }
    }
    return too_narrow || too_low;
}
