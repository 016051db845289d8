#include "model/group.h"

#include <gtest/gtest.h>

namespace {

Pattern pattern_with(const std::wstring& phrase) {
    Pattern pattern;
    pattern.phrase = phrase;
    return pattern;
}

TEST(Group, StartsUntitledAndEmpty) {
    const Group group(42);
    EXPECT_EQ(group.id(), 42);
    EXPECT_EQ(group.name(), L"Untitled Group");
    EXPECT_EQ(group.pattern_count(), 0);
}

TEST(Group, KeepsPatternsInOrderAndRemovesByPosition) {
    Group group(1);
    group.add_pattern(pattern_with(L"a"));
    group.add_pattern(pattern_with(L"b"));
    group.add_pattern(pattern_with(L"c"));
    group.remove_pattern(1);
    ASSERT_EQ(group.pattern_count(), 2);
    EXPECT_EQ(group.pattern(0).phrase, L"a");
    EXPECT_EQ(group.pattern(1).phrase, L"c");
}

TEST(Group, BadPatternIndexGivesDefaultAndRemovesNothing) {
    Group group(1);
    group.add_pattern(pattern_with(L"a"));
    EXPECT_EQ(group.pattern(1), Pattern{});
    EXPECT_EQ(group.pattern(-1), Pattern{});
    group.remove_pattern(1);
    group.remove_pattern(-1);
    EXPECT_EQ(group.pattern_count(), 1);
}

} // namespace
