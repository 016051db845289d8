#include "hotkeys/key_names.h"

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

TEST(KeyChoices, ListUnspecifiedFirstThenEveryNamedCodeAscendingAndMapBothWays) {
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

    // A position outside the list gives the unspecified key; a code not in it, no position.
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
        {{.mod_ctrl = true, .mod_alt = true, .key_code = 46}, L"CTRL + ALT + Delete"},
        {{.mod_shift = true, .key_code = 116}, L"SHIFT + F5"},
        {{.key_code = 'A'}, L"A"},
        {{.mod_ctrl = true}, L"CTRL + Unspecified"},
        {{.mod_ctrl = true, .mod_alt = true, .mod_shift = true, .mod_win = true, .key_code = 135},
         L"CTRL + ALT + SHIFT + WIN + F24"},
        {{.mod_win = true, .key_code = 200}, L"WIN + Unknown"}};
    for (const auto& [hot_key, text] : cases)
        EXPECT_EQ(combination_text(hot_key), text);
}

TEST(ActionAndEventNames, CoverTheKnownValues) {
    std::wstring names;
    for (std::uint32_t action : {0, 1, 2, 7})
        names += action_name(action) + L"|";
    for (int slot = 0; slot < EVENT_COUNT; ++slot)
        names += event_name(slot) + L"|";
    EXPECT_EQ(names, L"Toggle Visibility|Show Only|Hide Only|Unknown|Toggle Visibility of All "
                     L"Windows|Hide The Active Window|Hide All Except Active Window|Show All "
                     L"Windows|Hide All Windows|");
}

TEST(GroupText, NamesTheFirstGroupWithTheIdOrSaysThereIsNone) {
    DataModel model;
    for (const wchar_t* name : {L"Web Browsers", L"Other"}) {
        Group group(4);
        group.set_name(name);
        model.add_group(group);
    }
    EXPECT_EQ(group_text(4, model), L"Applies to group \"Web Browsers\"");
    EXPECT_EQ(group_text(-1, model), L"Invalid group association.");
    EXPECT_EQ(group_text(5, model), L"Invalid group association.");
}

} // namespace
