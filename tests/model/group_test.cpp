#include "model/group.h"

#include <gtest/gtest.h>

namespace {

TEST(Group, StartsUntitledAndKeepsPatternsInOrder) {
    Group group(42);
    EXPECT_EQ(group.id(), 42);
    EXPECT_EQ(group.name(), L"Untitled Group");
    for (const wchar_t* phrase : {L"a", L"b", L"c"}) {
        Pattern pattern;
        pattern.phrase = phrase;
        group.add_pattern(pattern);
    }
    group.remove_pattern(1);
    group.remove_pattern(2);
    group.remove_pattern(-1);
    ASSERT_EQ(group.pattern_count(), 2);
    EXPECT_EQ(group.pattern(0).phrase, L"a");
    EXPECT_EQ(group.pattern(1).phrase, L"c");
    EXPECT_EQ(group.pattern(2), Pattern{});
    EXPECT_EQ(group.pattern(-1), Pattern{});
}

} // namespace
