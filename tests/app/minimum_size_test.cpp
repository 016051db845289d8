#include "app/minimum_size.h"

#include <gtest/gtest.h>

TEST(MinimumSize, MovesOnlyTheDraggedEdges) {
    using Edge = SizingEdge;
    const struct {
        const char* what;
        SizingEdge edge;
        WindowRect proposed, expected;
        bool too_small;
    } cases[] = {
        // Narrowing from the left stops the left edge at right - 640; the right edge stays.
        {"left", Edge::left, {500, 100, 1000, 700}, {360, 100, 1000, 700}, true},
        {"right", Edge::right, {500, 100, 1000, 700}, {500, 100, 1140, 700}, true},
        // Lowering from the top stops the top edge at bottom - 400.
        {"top", Edge::top, {0, 300, 800, 600}, {0, 200, 800, 600}, true},
        {"bottom", Edge::bottom, {0, 300, 800, 600}, {0, 300, 800, 700}, true},
        {"top left corner", Edge::top_left, {100, 100, 200, 200}, {-440, -200, 200, 200}, true},
        {"bottom right", Edge::bottom_right, {100, 100, 200, 200}, {100, 100, 740, 500}, true},
        {"top right corner", Edge::top_right, {100, 100, 200, 200}, {100, -200, 740, 200}, true},
        {"bottom left", Edge::bottom_left, {100, 100, 200, 200}, {-440, 100, 200, 500}, true},
        {"corner, tall enough",
         Edge::bottom_left,
         {100, 100, 200, 900},
         {-440, 100, 200, 900},
         true},
        // A side edge cannot fix the other dimension, yet the result still says too small.
        {"left, too low", Edge::left, {0, 0, 900, 100}, {0, 0, 900, 100}, true},
        {"bottom, too narrow", Edge::bottom, {0, 0, 100, 900}, {0, 0, 100, 900}, true},
        {"exactly the minimum", Edge::bottom_right, {10, 20, 650, 420}, {10, 20, 650, 420}, false},
        {"larger", Edge::top_left, {10, 20, 1010, 920}, {10, 20, 1010, 920}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WindowRect rect = c.proposed;
        EXPECT_EQ(enforce_minimum_size(rect, c.edge), c.too_small);
        EXPECT_EQ(rect.left, c.expected.left);
        EXPECT_EQ(rect.top, c.expected.top);
        EXPECT_EQ(rect.right, c.expected.right);
        EXPECT_EQ(rect.bottom, c.expected.bottom);
    }
}
