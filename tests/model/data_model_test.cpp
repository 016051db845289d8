#include "model/data_model.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

Group named_group(int id, const std::wstring& name = L"G") {
    Group group(id);
    group.set_name(name);
    group.add_pattern(Pattern{.phrase = name});
    return group;
}

DataModel model_with_named_groups(const std::vector<int>& ids) {
    DataModel model;
    for (int id : ids)
        model.add_group(named_group(id));
    return model;
}

std::vector<int> hot_key_groups(const DataModel& model) {
    std::vector<int> ids;
    for (int i = 0; i < model.hot_key_count(); ++i)
        ids.push_back(model.hot_key(i).group_id);
    return ids;
}

std::vector<int> timer_groups(const DataModel& model) {
    std::vector<int> ids;
    for (int i = 0; i < model.timer_count(); ++i)
        ids.push_back(model.timer(i).group_id);
    return ids;
}

TEST(DataModelGroups, NextGroupIdIsOneMoreThanTheLargestOrAFreeOne) {
    EXPECT_EQ(model_with_named_groups({0, 1, 2}).next_group_id(), 3);
    EXPECT_EQ(model_with_named_groups({}).next_group_id(), 0);
    EXPECT_EQ(model_with_named_groups({-4}).next_group_id(), 0);
    EXPECT_EQ(model_with_named_groups({7, 2}).next_group_id(), 8);
    EXPECT_EQ(model_with_named_groups({INT_MAX, 0, 1}).next_group_id(), 2);
}

TEST(DataModelGroups, InUseThroughTimersOrGroupHotKeysUntilTheirReferencesAreRemoved) {
    DataModel model;
    model.add_timer(VisibilityTimer{.group_id = 1});
    model.add_hot_key(HotKey{.group_id = 2});
    for (int group_id : {3, 5, 3}) {
        model.add_hot_key(HotKey{.group_id = group_id});
        model.add_timer(VisibilityTimer{.group_id = group_id});
    }
    HotKey event = model.event_hot_key(EVENT_SHOW_ALL_WINDOWS);
    event.group_id = 4;
    model.set_event_hot_key(EVENT_SHOW_ALL_WINDOWS, event);
    EXPECT_TRUE(model.group_in_use(1));
    EXPECT_TRUE(model.group_in_use(2));
    EXPECT_FALSE(model.group_in_use(4));

    model.remove_group_references(3);

    EXPECT_FALSE(model.group_in_use(3));
    EXPECT_EQ(hot_key_groups(model), (std::vector<int>{2, 5}));
    EXPECT_EQ(timer_groups(model), (std::vector<int>{1, 5}));
}

TEST(DataModel, FindSetRemoveAndDuplicateKeepEachListInOrder) {
    // Groups: the first group with an id is found, and set replaces the whole group.
    DataModel model = model_with_named_groups({4, 9});
    model.add_group(named_group(9, L"Second nine"));
    EXPECT_EQ(model.find_group_index(9), 1);
    EXPECT_EQ(model.find_group_index(5), -1);
    model.remove_group(0);
    EXPECT_EQ(model.find_group_index(9), 0);
    model.set_group(0, named_group(7, L"Seven"));
    EXPECT_EQ(model.group(0), named_group(7, L"Seven"));
    EXPECT_EQ(model.find_group_index(9), 1);

    // Ignore patterns: the copy goes beside the original.
    for (const wchar_t* phrase : {L"A", L"B", L"C"})
        model.add_ignore_pattern(Pattern{.phrase = phrase});
    model.duplicate_ignore_pattern(1);
    std::wstring phrases;
    for (const auto& pattern : model.ignore_patterns())
        phrases += pattern.phrase;
    EXPECT_EQ(phrases, L"ABBC");

    // Hot keys and timers: the copy gets its own id and the original moves down.
    model.add_hot_key(HotKey{.group_id = 1});
    model.add_hot_key(HotKey{.group_id = 2});
    const HotKey original_key = model.hot_key(1);
    model.duplicate_hot_key(1);
    EXPECT_EQ(hot_key_groups(model), (std::vector<int>{1, 2, 2}));
    EXPECT_NE(model.hot_key(1).id, original_key.id);
    EXPECT_EQ(model.hot_key(2), original_key);
    EXPECT_EQ(model.find_hot_key_index(original_key.id), 2);

    model.add_timer(VisibilityTimer{.group_id = 1});
    model.add_timer(VisibilityTimer{.group_id = 2});
    const VisibilityTimer second_timer = model.timer(1);
    EXPECT_EQ(model.find_timer_index(second_timer.id + 1000), -1);
    model.duplicate_timer(0);
    EXPECT_EQ(timer_groups(model), (std::vector<int>{1, 1, 2}));
    EXPECT_NE(model.timer(0).id, model.timer(1).id);
    EXPECT_EQ(model.find_timer_index(second_timer.id), 2);
    model.remove_timer(0);
    EXPECT_EQ(model.find_timer_index(second_timer.id), 1);
}

TEST(DataModel, BadIndicesGiveFreshDefaultRecordsAndChangeNothing) {
    DataModel model = model_with_named_groups({0, 1, 2});
    model.add_ignore_pattern(Pattern{.phrase = L"A"});
    model.add_hot_key(HotKey{.group_id = 1});
    model.add_timer(VisibilityTimer{.group_id = 1});

    EXPECT_EQ(model.group(10), Group(0));
    EXPECT_EQ(model.ignore_pattern(1), Pattern{});
    const HotKey missing_key = model.hot_key(5);
    EXPECT_EQ(missing_key, HotKey{.id = missing_key.id});
    EXPECT_NE(model.hot_key(-1).id, missing_key.id);
    const VisibilityTimer missing_timer = model.timer(1);
    EXPECT_EQ(missing_timer, VisibilityTimer{.id = missing_timer.id});
    EXPECT_NE(model.timer(1).id, missing_timer.id);

    model.set_group(3, named_group(9));
    model.remove_group(10);
    model.remove_group(-1);
    model.set_ignore_pattern(1, Pattern{.phrase = L"X"});
    model.remove_ignore_pattern(1);
    model.duplicate_ignore_pattern(1);
    model.set_hot_key(1, HotKey{.group_id = 9});
    model.remove_hot_key(1);
    model.set_timer(1, VisibilityTimer{.group_id = 9});
    model.duplicate_timer(1);

    EXPECT_EQ(model.group_count(), 3);
    EXPECT_EQ(model.find_group_index(9), -1);
    EXPECT_EQ(model.ignore_patterns(), std::vector<Pattern>{Pattern{.phrase = L"A"}});
    EXPECT_EQ(hot_key_groups(model), std::vector<int>{1});
    EXPECT_EQ(timer_groups(model), std::vector<int>{1});
}

TEST(DataModelHotKeys, EventSlotsKeepTheirOwnIdsAndIgnoreBadSlots) {
    DataModel model;
    EXPECT_EQ(model.event_hot_key(0).id, model.event_hot_key(0).id);
    EXPECT_NE(model.event_hot_key(0).id, model.event_hot_key(4).id);
    const HotKey hot_key{.key_code = 'K'};
    model.set_event_hot_key(EVENT_COUNT, hot_key);
    model.set_event_hot_key(-1, hot_key);
    model.set_event_hot_key(EVENT_HIDE_ALL_WINDOWS, hot_key);
    for (int slot = 0; slot < EVENT_COUNT; ++slot) {
        EXPECT_EQ(model.event_hot_key(slot).key_code,
                  slot == EVENT_HIDE_ALL_WINDOWS ? 'K' : UNSPECIFIED_KEY);
    }
    EXPECT_EQ(model.event_hot_key(EVENT_HIDE_ALL_WINDOWS), hot_key);
}

} // namespace
