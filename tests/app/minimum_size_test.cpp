#include "app/minimum_size.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const WindowRect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

struct SizingCase {
    SizingEdge edge;
    WindowRect proposed;
    WindowRect expected;
    bool too_small;
};

class MinimumSize : public testing::TestWithParam<SizingCase> {};

TEST_P(MinimumSize, MovesOnlyTheDraggedEdges) {
    WindowRect rect = GetParam().proposed;
    EXPECT_EQ(enforce_minimum_size(rect, GetParam().edge), GetParam().too_small);
    EXPECT_EQ(rect, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, MinimumSize,
    testing::Values(
        // Narrowing from the left stops the left edge at right - 640; the right edge stays.
        SizingCase{SizingEdge::left, {500, 100, 1000, 700}, {360, 100, 1000, 700}, true},
        SizingCase{SizingEdge::right, {500, 100, 1000, 700}, {500, 100, 1140, 700}, true},
        // Lowering from the top stops the top edge at bottom - 400.
        SizingCase{SizingEdge::top, {0, 300, 800, 600}, {0, 200, 800, 600}, true},
        SizingCase{SizingEdge::bottom, {0, 300, 800, 600}, {0, 300, 800, 700}, true},
        // Corners move both of their edges.
        SizingCase{SizingEdge::top_left, {100, 100, 200, 200}, {-440, -200, 200, 200}, true},
        SizingCase{SizingEdge::bottom_right, {100, 100, 200, 200}, {100, 100, 740, 500}, true},
        SizingCase{SizingEdge::top_right, {100, 100, 200, 200}, {100, -200, 740, 200}, true},
        SizingCase{SizingEdge::bottom_left, {100, 100, 200, 200}, {-440, 100, 200, 500}, true},
        // A corner whose other dimension is large enough touches only the small one.
        SizingCase{SizingEdge::bottom_left, {100, 100, 200, 900}, {-440, 100, 200, 900}, true},
        // A side edge cannot fix the other dimension, yet the result still says too small.
        SizingCase{SizingEdge::left, {0, 0, 900, 100}, {0, 0, 900, 100}, true},
        SizingCase{SizingEdge::bottom, {0, 0, 100, 900}, {0, 0, 100, 900}, true},
        // Exactly the minimum, or larger, is left alone and reported as fine.
        SizingCase{SizingEdge::bottom_right, {10, 20, 650, 420}, {10, 20, 650, 420}, false},
        SizingCase{SizingEdge::top_left, {10, 20, 1010, 920}, {10, 20, 1010, 920}, false}));

} // namespace
