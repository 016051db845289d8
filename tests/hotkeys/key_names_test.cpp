#include "hotkeys/key_names.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(KeyNames, NameEveryOfferedKeyInOrderAndJoinTheModifiersOfACombination) {
    std::wstring names;
    for (std::uint32_t code : {1000, 8,   13,  20,  32,  42,  44,  46, 48, 57, 65, 90, 96,  105,
                               106,  111, 112, 121, 135, 144, 145, 0,  43, 47, 64, 91, 136, 999})
        names += key_name(code) + L"|";
    EXPECT_EQ(names, L"Unspecified|Backspace|Enter|Caps Lock|Space Bar|Print|Print "
                     L"Screen|Delete|0|9|A|Z|Numpad 0|Numpad 9|Multiply|Divide|F1|F10|F24|Num "
                     L"Lock|Scroll Lock|Unknown|Unknown|Unknown|Unknown|Unknown|Unknown|Unknown|");

    // The key list offers the unspecified key, then every named code in ascending order.
    std::vector<std::uint32_t> named;
    for (std::uint32_t code = 0; code < 1000; ++code)
        if (key_name(code) != L"Unknown")
            named.push_back(code);
    EXPECT_EQ(KEY_CHOICES.front(), UNSPECIFIED_KEY);
    EXPECT_EQ(std::vector<std::uint32_t>(KEY_CHOICES.begin() + 1, KEY_CHOICES.end()), named);
    EXPECT_EQ(key_choice_code(100), UNSPECIFIED_KEY);
    EXPECT_EQ(key_choice_position(43), std::nullopt);

    EXPECT_EQ(combination_text({.mod_shift = true, .key_code = 116}), L"SHIFT + F5");
    EXPECT_EQ(combination_text({.key_code = 'A'}), L"A");
    EXPECT_EQ(combination_text({.mod_ctrl = true,
                                .mod_alt = true,
                                .mod_shift = true,
                                .mod_win = true,
                                .key_code = 200}),
              L"CTRL + ALT + SHIFT + WIN + Unknown");
}

} // namespace
