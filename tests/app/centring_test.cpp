#include "app/centring.h"

#include <gtest/gtest.h>

TEST(CentredPosition, CentresOnTheParentButStaysOnThePrimaryScreen) {
    const struct {
        const char* what;
        int width, height;
        ScreenRect parent;
        int x, y;
    } cases[] = {
        {"centred", 200, 100, {100, 100, 601, 401}, 250, 200},
        // (151 - 200) / 2 truncates to -24, not -25.
        {"halves truncate toward zero", 200, 100, {300, 300, 451, 350}, 276, 275},
        {"parent right of and below the screen", 300, 150, {1200, 900, 1800, 1300}, 724, 618},
        {"parent left of and above the screen", 300, 150, {-900, -600, -100, -100}, 0, 0},
        {"box larger than the screen", 1500, 900, {0, 0, 200, 200}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScreenPoint point =
            centred_position({500, 500, 500 + c.width, 500 + c.height}, c.parent, 1024, 768);
        EXPECT_EQ(point.x, c.x);
        EXPECT_EQ(point.y, c.y);
    }
}
