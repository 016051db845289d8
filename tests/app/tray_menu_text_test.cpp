#include "app/tray_menu_text.h"

#include "model/group.h"

#include <gtest/gtest.h>

namespace {

VisibilityTimer timer_of_group(int group_id, std::uint32_t type) {
    VisibilityTimer timer;
    timer.group_id = group_id;
    timer.type = type;
    timer.start_h = 9;
    timer.duration_h = 8;
    timer.duration_m = 30;
    return timer;
}

DataModel model_with_group(int id, const std::wstring& name) {
    DataModel model;
    Group group(id);
    group.set_name(name);
    model.add_group(group);
    return model;
}

} // namespace

TEST(TrayCommandDecoding, EachRangeHoldsAThousandEntriesFromItsBase) {
    EXPECT_EQ(decode_tray_command(5000), (TrayCommand{TrayCommandKind::HIDE_GROUP, 0}));
    EXPECT_EQ(decode_tray_command(5999), (TrayCommand{TrayCommandKind::HIDE_GROUP, 999}));
    EXPECT_EQ(decode_tray_command(6000), (TrayCommand{TrayCommandKind::SHOW_GROUP, 0}));
    EXPECT_EQ(decode_tray_command(6999), (TrayCommand{TrayCommandKind::SHOW_GROUP, 999}));
    EXPECT_EQ(decode_tray_command(7003), (TrayCommand{TrayCommandKind::HIDE_LISTED_WINDOW, 3}));
    EXPECT_EQ(decode_tray_command(8999), (TrayCommand{TrayCommandKind::SHOW_LISTED_WINDOW, 999}));
    EXPECT_EQ(decode_tray_command(9000), (TrayCommand{TrayCommandKind::TOGGLE_TIMER, 0}));
    EXPECT_EQ(decode_tray_command(9999), (TrayCommand{TrayCommandKind::TOGGLE_TIMER, 999}));
}

TEST(TrayCommandDecoding, SingleCommandsAndUnknownIdentifiers) {
    EXPECT_EQ(decode_tray_command(40016), (TrayCommand{TrayCommandKind::HIDE_ALL_WINDOWS, 0}));
    EXPECT_EQ(decode_tray_command(40017), (TrayCommand{TrayCommandKind::SHOW_ALL_WINDOWS, 0}));
    EXPECT_EQ(decode_tray_command(40001), (TrayCommand{TrayCommandKind::EXIT, 0}));
    // 0 is what a menu closed without a choice returns.
    for (const int unknown : {0, 4999, 10000, 40000, 40002, 40015, 40018, -5000}) {
        EXPECT_EQ(decode_tray_command(unknown), std::nullopt) << unknown;
    }
}

TEST(ListedEntryCount, StopsAtTheSizeOfARange) {
    EXPECT_EQ(listed_entry_count(0), 0);
    EXPECT_EQ(listed_entry_count(7), 7);
    EXPECT_EQ(listed_entry_count(1000), 1000);
    EXPECT_EQ(listed_entry_count(1001), 1000);
}

TEST(TimerItemText, ClockNamesItsGroupAndPeriod) {
    const DataModel model = model_with_group(3, L"Web Browsers");
    EXPECT_EQ(timer_item_text(timer_of_group(3, VisibilityTimer::CLOCK), model),
              L"(Clock) Hides \"Web Browsers\" from 9:00 AM until 5:30 PM, "
              L"(8 hours and 30 minutes).");
}

TEST(TimerItemText, StopwatchNamesItsLength) {
    const DataModel model = model_with_group(3, L"Media Players");
    EXPECT_EQ(timer_item_text(timer_of_group(3, VisibilityTimer::STOPWATCH), model),
              L"(Stopwatch) Hides \"Media Players\" for 8 hours and 30 minutes.");
}

TEST(TimerItemText, TimerOfARemovedGroupNamesTheDefaultGroup) {
    const DataModel model = model_with_group(3, L"Web Browsers");
    EXPECT_EQ(timer_item_text(timer_of_group(4, VisibilityTimer::STOPWATCH), model),
              L"(Stopwatch) Hides \"Untitled Group\" for 8 hours and 30 minutes.");
}

TEST(MenuItemLabel, KeepsAmpersandsAsCharacters) {
    EXPECT_EQ(menu_item_label(L"Tom & Jerry - Player"), L"Tom && Jerry - Player");
    EXPECT_EQ(menu_item_label(L"&&"), L"&&&&");
    EXPECT_EQ(menu_item_label(L"Notes - Editor"), L"Notes - Editor");
    EXPECT_EQ(menu_item_label(L""), L"");
}
