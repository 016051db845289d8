#include "hotkeys/key_names.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct KeyNameCase {
    std::uint32_t code;
    const wchar_t* name;
};

class KeyName : public testing::TestWithParam<KeyNameCase> {};

TEST_P(KeyName, NamesTheKey) {
    EXPECT_EQ(key_name(GetParam().code), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyName,
    testing::Values(
        KeyNameCase{1000, L"Unspecified"}, KeyNameCase{8, L"Backspace"}, KeyNameCase{13, L"Enter"},
        KeyNameCase{20, L"Caps Lock"}, KeyNameCase{32, L"Space Bar"}, KeyNameCase{42, L"Print"},
        KeyNameCase{44, L"Print Screen"}, KeyNameCase{46, L"Delete"}, KeyNameCase{48, L"0"},
        KeyNameCase{57, L"9"}, KeyNameCase{65, L"A"}, KeyNameCase{90, L"Z"},
        KeyNameCase{96, L"Numpad 0"}, KeyNameCase{105, L"Numpad 9"}, KeyNameCase{106, L"Multiply"},
        KeyNameCase{111, L"Divide"}, KeyNameCase{112, L"F1"}, KeyNameCase{121, L"F10"},
        KeyNameCase{135, L"F24"}, KeyNameCase{144, L"Num Lock"}, KeyNameCase{145, L"Scroll Lock"},
        KeyNameCase{0, L"Unknown"}, KeyNameCase{43, L"Unknown"}, KeyNameCase{47, L"Unknown"},
        KeyNameCase{64, L"Unknown"}, KeyNameCase{91, L"Unknown"}, KeyNameCase{136, L"Unknown"},
        KeyNameCase{200, L"Unknown"}, KeyNameCase{999, L"Unknown"}));

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

HotKey combination(bool ctrl, bool alt, bool shift, bool win, std::uint32_t key) {
    HotKey hot_key;
    hot_key.mod_ctrl = ctrl;
    hot_key.mod_alt = alt;
    hot_key.mod_shift = shift;
    hot_key.mod_win = win;
    hot_key.key_code = key;
    return hot_key;
}

TEST(CombinationText, JoinsModifiersAndKeyWithSingleSpaces) {
    EXPECT_EQ(combination_text(combination(true, true, false, false, 46)), L"CTRL + ALT + Delete");
    EXPECT_EQ(combination_text(combination(false, false, true, false, 116)), L"SHIFT + F5");
    EXPECT_EQ(combination_text(combination(false, false, false, false, 'A')), L"A");
    EXPECT_EQ(combination_text(combination(true, false, false, false, UNSPECIFIED_KEY)),
              L"CTRL + Unspecified");
    EXPECT_EQ(combination_text(combination(false, false, false, false, UNSPECIFIED_KEY)),
              L"Unspecified");
    EXPECT_EQ(combination_text(combination(true, true, true, true, 135)),
              L"CTRL + ALT + SHIFT + WIN + F24");
    EXPECT_EQ(combination_text(combination(false, false, false, true, 200)), L"WIN + Unknown");
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
