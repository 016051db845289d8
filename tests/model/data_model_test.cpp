#include "model/data_model.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

Group group_with_id(int id, const std::wstring& name = L"G") {
    Group group(id);
    group.set_name(name);
    Pattern pattern;
    pattern.phrase = name;
    group.add_pattern(pattern);
    return group;
}

Pattern pattern_with(const std::wstring& phrase) {
    Pattern pattern;
    pattern.phrase = phrase;
    return pattern;
}

HotKey hot_key_for(int group_id) {
    HotKey hot_key;
    hot_key.group_id = group_id;
    return hot_key;
}

VisibilityTimer timer_for(int group_id) {
    VisibilityTimer timer;
    timer.group_id = group_id;
    return timer;
}

DataModel model_with_group_ids(const std::vector<int>& ids) {
    DataModel model;
    for (int id : ids) {
        model.add_group(group_with_id(id));
    }
    return model;
}

TEST(DataModelGroups, NextGroupIdIsOneMoreThanTheLargestOrAFreeOne) {
    EXPECT_EQ(model_with_group_ids({0, 1, 2}).next_group_id(), 3);
    EXPECT_EQ(model_with_group_ids({}).next_group_id(), 0);
    EXPECT_EQ(model_with_group_ids({-4}).next_group_id(), 0);
    EXPECT_EQ(model_with_group_ids({7, 2}).next_group_id(), 8);
    EXPECT_EQ(model_with_group_ids({INT_MAX, 0, 1}).next_group_id(), 2);
}

TEST(DataModelGroups, BadIndexGivesDefaultGroupAndChangesNothing) {
    DataModel model = model_with_group_ids({0, 1, 2});
    const Group missing = model.group(10);
    EXPECT_EQ(missing.id(), 0);
    EXPECT_EQ(missing.name(), L"Untitled Group");
    EXPECT_EQ(missing.pattern_count(), 0);
    model.remove_group(10);
    model.remove_group(-1);
    model.set_group(3, group_with_id(9));
    EXPECT_EQ(model.group_count(), 3);
    EXPECT_EQ(model.find_group_index(9), -1);
}

TEST(DataModelGroups, FindsTheFirstGroupWithAnIdAndSetReplacesTheWholeGroup) {
    DataModel model = model_with_group_ids({4, 9});
    model.add_group(group_with_id(9, L"Second nine"));
    EXPECT_EQ(model.find_group_index(9), 1);
    EXPECT_EQ(model.find_group_index(5), -1);
    model.remove_group(0);
    EXPECT_EQ(model.find_group_index(9), 0);
    model.set_group(0, group_with_id(7, L"Seven"));
    EXPECT_EQ(model.group(0), group_with_id(7, L"Seven"));
    EXPECT_EQ(model.find_group_index(9), 1);
}

TEST(DataModelGroups, InUseThroughTimersOrGroupHotKeysOnly) {
    DataModel model = model_with_group_ids({1, 2, 3});
    model.add_timer(timer_for(1));
    model.add_hot_key(hot_key_for(2));
    HotKey event = model.event_hot_key(EVENT_SHOW_ALL_WINDOWS);
    event.group_id = 3;
    model.set_event_hot_key(EVENT_SHOW_ALL_WINDOWS, event);
    EXPECT_TRUE(model.group_in_use(1));
    EXPECT_TRUE(model.group_in_use(2));
    EXPECT_FALSE(model.group_in_use(3));
}

TEST(DataModelGroups, RemovingReferencesKeepsTheOthersInOrder) {
    DataModel model;
    for (int group_id : {3, 1, 3, 2}) {
        model.add_hot_key(hot_key_for(group_id));
        model.add_timer(timer_for(group_id));
    }
    model.remove_group_references(3);
    ASSERT_EQ(model.hot_key_count(), 2);
    EXPECT_EQ(model.hot_key(0).group_id, 1);
    EXPECT_EQ(model.hot_key(1).group_id, 2);
    ASSERT_EQ(model.timer_count(), 2);
    EXPECT_EQ(model.timer(0).group_id, 1);
    EXPECT_EQ(model.timer(1).group_id, 2);
    EXPECT_FALSE(model.group_in_use(3));
}

TEST(DataModelIgnoreList, DuplicatePutsTheCopyBesideTheOriginal) {
    DataModel model;
    for (const wchar_t* phrase : {L"A", L"B", L"C"}) {
        model.add_ignore_pattern(pattern_with(phrase));
    }
    model.duplicate_ignore_pattern(1);
    ASSERT_EQ(model.ignore_count(), 4);
    EXPECT_EQ(model.ignore_pattern(0).phrase, L"A");
    EXPECT_EQ(model.ignore_pattern(1).phrase, L"B");
    EXPECT_EQ(model.ignore_pattern(2).phrase, L"B");
    EXPECT_EQ(model.ignore_pattern(3).phrase, L"C");
    model.duplicate_ignore_pattern(4);
    EXPECT_EQ(model.ignore_count(), 4);
}

TEST(DataModelIgnoreList, BadIndexGivesDefaultPatternAndChangesNothing) {
    DataModel model;
    model.add_ignore_pattern(pattern_with(L"A"));
    EXPECT_EQ(model.ignore_pattern(1), Pattern{});
    model.set_ignore_pattern(1, pattern_with(L"X"));
    model.remove_ignore_pattern(1);
    ASSERT_EQ(model.ignore_count(), 1);
    EXPECT_EQ(model.ignore_pattern(0).phrase, L"A");
}

TEST(DataModelHotKeys, BadIndexGivesAFreshDefaultRecord) {
    DataModel model;
    model.add_hot_key(hot_key_for(1));
    const HotKey first = model.hot_key(5);
    const HotKey second = model.hot_key(-1);
    EXPECT_NE(first.id, second.id);
    EXPECT_EQ(first.group_id, -1);
    EXPECT_EQ(first.key_code, UNSPECIFIED_KEY);
    model.set_hot_key(1, hot_key_for(9));
    model.remove_hot_key(1);
    ASSERT_EQ(model.hot_key_count(), 1);
    EXPECT_EQ(model.hot_key(0).group_id, 1);
}

TEST(DataModelHotKeys, DuplicateGivesTheCopyItsOwnId) {
    DataModel model;
    model.add_hot_key(hot_key_for(1));
    model.add_hot_key(hot_key_for(2));
    const HotKey original = model.hot_key(1);
    model.duplicate_hot_key(1);
    ASSERT_EQ(model.hot_key_count(), 3);
    EXPECT_EQ(model.hot_key(1).group_id, 2);
    EXPECT_NE(model.hot_key(1).id, original.id);
    EXPECT_EQ(model.hot_key(2), original);
    EXPECT_EQ(model.find_hot_key_index(original.id), 2);
}

TEST(DataModelHotKeys, EventSlotsStartUnsetAndIgnoreBadSlots) {
    DataModel model;
    for (int slot = 0; slot < EVENT_COUNT; ++slot) {
        EXPECT_EQ(model.event_hot_key(slot).key_code, UNSPECIFIED_KEY);
        EXPECT_EQ(model.event_hot_key(slot).id, model.event_hot_key(slot).id);
    }
    EXPECT_NE(model.event_hot_key(0).id, model.event_hot_key(4).id);
    HotKey hot_key;
    hot_key.key_code = 'K';
    model.set_event_hot_key(EVENT_COUNT, hot_key);
    model.set_event_hot_key(-1, hot_key);
    model.set_event_hot_key(EVENT_HIDE_ALL_WINDOWS, hot_key);
    EXPECT_EQ(model.event_hot_key(EVENT_HIDE_ALL_WINDOWS), hot_key);
    EXPECT_EQ(model.event_hot_key(EVENT_SHOW_ALL_WINDOWS).key_code, UNSPECIFIED_KEY);
}

TEST(DataModelTimers, FindsByIdAndDuplicatesWithANewId) {
    DataModel model;
    model.add_timer(timer_for(1));
    model.add_timer(timer_for(2));
    const VisibilityTimer second = model.timer(1);
    EXPECT_EQ(model.find_timer_index(second.id), 1);
    EXPECT_EQ(model.find_timer_index(second.id + 1000), -1);
    model.duplicate_timer(0);
    ASSERT_EQ(model.timer_count(), 3);
    EXPECT_NE(model.timer(0).id, model.timer(1).id);
    EXPECT_EQ(model.timer(0).group_id, 1);
    EXPECT_EQ(model.find_timer_index(second.id), 2);
    model.remove_timer(0);
    EXPECT_EQ(model.find_timer_index(second.id), 1);
}

TEST(DataModelTimers, BadIndexGivesAFreshDefaultRecordAndChangesNothing) {
    DataModel model;
    const VisibilityTimer missing = model.timer(0);
    EXPECT_EQ(missing.group_id, -1);
    EXPECT_NE(model.timer(0).id, missing.id);
    model.set_timer(0, timer_for(3));
    model.duplicate_timer(0);
    EXPECT_EQ(model.timer_count(), 0);
}

} // namespace
