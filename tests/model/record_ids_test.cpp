#include "model/hot_key.h"
#include "model/visibility_timer.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordIds, EachNewRecordTakesTheNextIdOfItsOwnKindAndCopiesKeepTheirs) {
    const HotKey first_key;
    const VisibilityTimer first_timer;
    const HotKey second_key;
    const VisibilityTimer second_timer;
    EXPECT_GE(first_key.id, 12921u);
    EXPECT_GE(first_timer.id, 22921u);
    EXPECT_EQ(second_key.id, first_key.id + 1);
    EXPECT_EQ(second_timer.id, first_timer.id + 1);
    EXPECT_EQ(next_hot_key_id(), second_key.id + 1);
    EXPECT_EQ(next_timer_id(), second_timer.id + 1);
    const HotKey copy = second_key;
    EXPECT_EQ(copy.id, second_key.id);
}

} // namespace
