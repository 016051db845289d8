#include "app/tray_menu_text.h"

#include <gtest/gtest.h>

TEST(TrayCommandDecoding, EachRangeHoldsAThousandEntriesAndUnknownIdentifiersMeanNothing) {
    using Kind = TrayCommandKind;
    const struct {
        int identifier;
        std::optional<TrayCommand> command;
    } cases[] = {
        {5000, TrayCommand{Kind::HIDE_GROUP, 0}},
        {5999, TrayCommand{Kind::HIDE_GROUP, 999}},
        {6000, TrayCommand{Kind::SHOW_GROUP, 0}},
        {6999, TrayCommand{Kind::SHOW_GROUP, 999}},
        {7003, TrayCommand{Kind::HIDE_LISTED_WINDOW, 3}},
        {8999, TrayCommand{Kind::SHOW_LISTED_WINDOW, 999}},
        {9000, TrayCommand{Kind::TOGGLE_TIMER, 0}},
        {9999, TrayCommand{Kind::TOGGLE_TIMER, 999}},
        {40016, TrayCommand{Kind::HIDE_ALL_WINDOWS, 0}},
        {40017, TrayCommand{Kind::SHOW_ALL_WINDOWS, 0}},
        {40001, TrayCommand{Kind::EXIT, 0}},
        // 0 is what a menu closed without a choice returns.
        {0, std::nullopt},
        {4999, std::nullopt},
        {10000, std::nullopt},
        {40000, std::nullopt},
        {40002, std::nullopt},
        {40015, std::nullopt},
        {40018, std::nullopt},
        {-5000, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.identifier);
        EXPECT_EQ(decode_tray_command(c.identifier), c.command);
    }
}

TEST(MenuItemLabel, KeepsAmpersandsAsCharacters) {
    EXPECT_EQ(menu_item_label(L"Tom & Jerry - Player"), L"Tom && Jerry - Player");
    EXPECT_EQ(menu_item_label(L"&&"), L"&&&&");
    EXPECT_EQ(menu_item_label(L""), L"");
}
