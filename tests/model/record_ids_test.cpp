#include "model/hot_key.h"
#include "model/visibility_timer.h"

#include <gtest/gtest.h>

namespace {

TEST(HotKeyRecord, DefaultHasNoKeyAndNoGroup) {
    const HotKey hot_key;
    EXPECT_EQ(hot_key.action, HotKey::TOGGLE_VISIBILITY);
    EXPECT_EQ(hot_key.group_id, -1);
    EXPECT_FALSE(hot_key.mod_ctrl || hot_key.mod_alt || hot_key.mod_shift || hot_key.mod_win);
    EXPECT_EQ(hot_key.key_code, 1000u);
}

TEST(HotKeyRecord, EachNewRecordTakesTheNextId) {
    const HotKey first;
    const HotKey second;
    EXPECT_GE(first.id, 12921u);
    EXPECT_EQ(second.id, first.id + 1);
    EXPECT_EQ(next_hot_key_id(), second.id + 1);
    const HotKey copy = second;
    EXPECT_EQ(copy.id, second.id);
}

TEST(VisibilityTimerRecord, DefaultIsAnInactiveClockWithoutTimes) {
    const VisibilityTimer timer;
    EXPECT_EQ(timer.group_id, -1);
    EXPECT_EQ(timer.type, VisibilityTimer::CLOCK);
    EXPECT_FALSE(timer.enabled);
    EXPECT_EQ(timer.start_h + timer.start_m + timer.start_s, 0);
    EXPECT_EQ(timer.duration_h + timer.duration_m + timer.duration_s, 0);
}

TEST(VisibilityTimerRecord, EachNewRecordTakesTheNextIdFromItsOwnCounter) {
    const VisibilityTimer first;
    const HotKey between;
    const VisibilityTimer second;
    EXPECT_GE(first.id, 22921u);
    EXPECT_EQ(second.id, first.id + 1);
    EXPECT_EQ(next_timer_id(), second.id + 1);
}

} // namespace
