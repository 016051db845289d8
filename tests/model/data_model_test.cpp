#include "model/data_model.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DataModelGroups, NextIdFollowsTheLargestOrPastTheLargestIntTakesTheFirstFreeOne) {
    const std::pair<std::vector<int>, int> cases[] = {
        {{}, 0}, {{-4}, 0}, {{0, 1, 2}, 3}, {{7, 2}, 8}, {{INT_MAX, 0, 1}, 2}, {{INT_MAX}, 0}};
    for (const auto& [ids, expected] : cases) {
        DataModel model;
        for (int id : ids)
            model.add_group(Group(id));
        EXPECT_EQ(model.next_group_id(), expected) << testing::PrintToString(ids);
    }
}

TEST(DataModel, DuplicatesGetNewIdsAndRemovingAGroupsReferencesLeavesOtherGroupsAlone) {
    DataModel model;
    for (const wchar_t* phrase : {L"A", L"B", L"C"})
        model.add_ignore_pattern(Pattern{.phrase = phrase});
    for (int index : {1, 9})
        model.duplicate_ignore_pattern(index);
    std::wstring phrases;
    for (const auto& pattern : model.ignore_patterns())
        phrases += pattern.phrase;
    EXPECT_EQ(phrases, L"ABBC") << "ignore patterns are copied as they are";

    for (int group_id : {1, 3, 5, 3}) {
        model.add_hot_key(HotKey{.group_id = group_id, .key_code = std::uint32_t(64 + group_id)});
        model.add_timer(VisibilityTimer{.group_id = group_id, .duration_m = group_id});
    }
    const HotKey key = model.hot_key(1);
    const VisibilityTimer timer = model.timer(2);
    model.duplicate_hot_key(1);
    model.duplicate_timer(2);
    // The copy goes in front of the original and differs from it only in its id.
    HotKey key_copy = model.hot_key(1);
    VisibilityTimer timer_copy = model.timer(2);
    EXPECT_TRUE(key_copy.id != key.id && timer_copy.id != timer.id);
    key_copy.id = key.id;
    timer_copy.id = timer.id;
    EXPECT_EQ(std::pair(key_copy, timer_copy), std::pair(key, timer));
    EXPECT_EQ(std::pair(model.find_hot_key_index(key.id), model.find_timer_index(timer.id)),
              std::pair(2, 3));

    for (int slot : {int(EVENT_SHOW_ALL_WINDOWS), EVENT_COUNT, -1})
        model.set_event_hot_key(slot, HotKey{.group_id = 4});
    EXPECT_EQ(std::tuple(model.group_in_use(1), model.group_in_use(3), model.group_in_use(4)),
              std::tuple(true, true, false));
    model.remove_group_references(3);
    EXPECT_FALSE(model.group_in_use(3));
    std::vector<int> groups;
    for (int i = 0; i < model.hot_key_count(); ++i)
        groups.push_back(model.hot_key(i).group_id);
    for (int i = 0; i < model.timer_count(); ++i)
        groups.push_back(model.timer(i).group_id);
    for (int slot = 0; slot < EVENT_COUNT; ++slot)
        groups.push_back(model.event_hot_key(slot).group_id);
    EXPECT_EQ(groups, (std::vector<int>{1, 5, 1, 5, 5, -1, -1, -1, 4, -1}));
}

} // namespace
