#include "hotkeys/key_names.h"

#include "hotkeys/hot_key_combination.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(KeyName, NamesEveryKnownKeyAndCallsTheRestUnknown) {
    std::wstring names;
    for (std::uint32_t code : {1000, 8,   13,  20,  32,  42,  44,  46, 48, 57, 65, 90, 96,  105,
                               106,  111, 112, 121, 135, 144, 145, 0,  43, 47, 64, 91, 136, 999})
        names += key_name(code) + L"|";
    EXPECT_EQ(names, L"Unspecified|Backspace|Enter|Caps Lock|Space Bar|Print|Print "
                     L"Screen|Delete|0|9|A|Z|Numpad 0|Numpad 9|Multiply|Divide|F1|F10|F24|Num "
                     L"Lock|Scroll Lock|Unknown|Unknown|Unknown|Unknown|Unknown|Unknown|Unknown|");
}

TEST(KeyChoices, ListUnspecifiedFirstThenEveryNamedCodeAscending) {
    EXPECT_EQ(KEY_CHOICES.front(), UNSPECIFIED_KEY);
    std::set<std::uint32_t> named;
    for (std::uint32_t code = 0; code < 1000; ++code) {
        if (key_name(code) != L"Unknown") {
            named.insert(code);
        }
    }
    const std::set<std::uint32_t> offered(KEY_CHOICES.begin() + 1, KEY_CHOICES.end());
    EXPECT_EQ(offered, named);
    EXPECT_TRUE(std::is_sorted(KEY_CHOICES.begin() + 1, KEY_CHOICES.end()));
}

TEST(KeyChoices, MapPositionsAndCodesBothWays) {
    EXPECT_EQ(key_choice_code(0), UNSPECIFIED_KEY);
    EXPECT_EQ(key_choice_code(1), 8u);
    EXPECT_EQ(key_choice_code(99), 145u);
    EXPECT_EQ(key_choice_code(100), UNSPECIFIED_KEY);
    EXPECT_EQ(key_choice_code(-1), UNSPECIFIED_KEY);
    EXPECT_EQ(key_choice_position(UNSPECIFIED_KEY), 0);
    EXPECT_EQ(key_choice_position(145), 99);
    EXPECT_EQ(key_choice_position(43), std::nullopt);
    EXPECT_EQ(key_choice_position(200), std::nullopt);
}

TEST(CombinationText, JoinsModifiersAndKeyWithSingleSpaces) {
    const std::pair<HotKey, const wchar_t*> cases[] = {
        {combination(true, true, false, false, 46), L"CTRL + ALT + Delete"},
        {combination(false, false, true, false, 116), L"SHIFT + F5"},
        {combination(false, false, false, false, 'A'), L"A"},
        {combination(true, false, false, false, UNSPECIFIED_KEY), L"CTRL + Unspecified"},
        {combination(true, true, true, true, 135), L"CTRL + ALT + SHIFT + WIN + F24"},
        {combination(false, false, false, true, 200), L"WIN + Unknown"}};
    for (const auto& [hot_key, text] : cases)
        EXPECT_EQ(combination_text(hot_key), text);
}

TEST(ActionAndEventNames, CoverTheKnownValues) {
    EXPECT_EQ(action_name(0), L"Toggle Visibility");
    EXPECT_EQ(action_name(1), L"Show Only");
    EXPECT_EQ(action_name(2), L"Hide Only");
    EXPECT_EQ(action_name(7), L"Unknown");
    EXPECT_EQ(event_name(EVENT_TOGGLE_ALL_WINDOWS), L"Toggle Visibility of All Windows");
    EXPECT_EQ(event_name(EVENT_HIDE_ACTIVE_WINDOW), L"Hide The Active Window");
    EXPECT_EQ(event_name(EVENT_HIDE_ALL_EXCEPT_ACTIVE), L"Hide All Except Active Window");
    EXPECT_EQ(event_name(EVENT_SHOW_ALL_WINDOWS), L"Show All Windows");
    EXPECT_EQ(event_name(EVENT_HIDE_ALL_WINDOWS), L"Hide All Windows");
}

TEST(GroupText, NamesTheFirstGroupWithTheIdOrSaysThereIsNone) {
    DataModel model;
    Group browsers(4);
    browsers.set_name(L"Web Browsers");
    model.add_group(browsers);
    Group other(4);
    other.set_name(L"Other");
    model.add_group(other);
    EXPECT_EQ(group_text(4, model), L"Applies to group \"Web Browsers\"");
    EXPECT_EQ(group_text(-1, model), L"Invalid group association.");
    EXPECT_EQ(group_text(5, model), L"Invalid group association.");
}

} // namespace
