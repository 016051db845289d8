#include "model/group.h"

#include <gtest/gtest.h>

namespace {

TEST(Group, StartsUntitledAndKeepsPatternsInOrder) {
    Group group(42);
    EXPECT_EQ(group.name(), L"Untitled Group");
    for (const wchar_t* phrase : {L"a", L"b", L"c"})
        group.add_pattern(Pattern{.phrase = phrase});
    group.remove_pattern(1);
    group.remove_pattern(2);
    group.remove_pattern(-1);
    EXPECT_EQ(group.patterns(), (std::vector<Pattern>{{.phrase = L"a"}, {.phrase = L"c"}}));
    EXPECT_EQ(group.pattern(1).phrase, L"c");
    EXPECT_EQ(group.pattern(2), Pattern{});
    EXPECT_EQ(group.pattern(-1), Pattern{});
}

} // namespace
