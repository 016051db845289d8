#include "app/centring.h"

#include <gtest/gtest.h>

namespace {

constexpr int screen_width = 1024;
constexpr int screen_height = 768;

ScreenRect box_of_size(int width, int height) {
    return {500, 500, 500 + width, 500 + height};
}

} // namespace

TEST(CentredPosition, CentresOnTheParent) {
    const ScreenPoint point =
        centred_position(box_of_size(200, 100), {100, 100, 601, 401}, screen_width, screen_height);
    EXPECT_EQ(point.x, 250);
    EXPECT_EQ(point.y, 200);
}

TEST(CentredPosition, HalvesTruncateTowardZero) {
    // (151 - 200) / 2 truncates to -24, not -25; (50 - 100) / 2 is -25 exactly.
    const ScreenPoint point =
        centred_position(box_of_size(200, 100), {300, 300, 451, 350}, screen_width, screen_height);
    EXPECT_EQ(point.x, 276);
    EXPECT_EQ(point.y, 275);
}

TEST(CentredPosition, StaysOnThePrimaryScreen) {
    // An owner on a monitor to the right of and below the primary one.
    const ScreenPoint right = centred_position(box_of_size(300, 150), {1200, 900, 1800, 1300},
                                               screen_width, screen_height);
    EXPECT_EQ(right.x, screen_width - 300);
    EXPECT_EQ(right.y, screen_height - 150);

    const ScreenPoint left = centred_position(box_of_size(300, 150), {-900, -600, -100, -100},
                                              screen_width, screen_height);
    EXPECT_EQ(left.x, 0);
    EXPECT_EQ(left.y, 0);
}

TEST(CentredPosition, ABoxLargerThanTheScreenKeepsItsCornerVisible) {
    const ScreenPoint point =
        centred_position(box_of_size(1500, 900), {0, 0, 200, 200}, screen_width, screen_height);
    EXPECT_EQ(point.x, 0);
    EXPECT_EQ(point.y, 0);
}
