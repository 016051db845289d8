#include "engine/engine_fixture.h"

#include <string>

using EnumerateWindows = EngineTest;

TEST_F(EnumerateWindows, RecordsTitledWindowsInZOrder) {
    const auto editor = add_process_window(L"Untitled - Notepad", L"notepad.exe");
    const auto browser = add_window(L"Browser", show_command::MAXIMIZED);

    EXPECT_TRUE(engine.enumerate_windows());

    ASSERT_EQ(model.windows.count(), 2);
    EXPECT_EQ(model.windows.record(0),
              (WindowRecord{L"Untitled - Notepad", L"notepad.exe", true, 1, editor}));
    EXPECT_EQ(model.windows.record(1).hwnd, browser);
    EXPECT_EQ(model.windows.record(1).show_cmd, show_command::MAXIMIZED);
}

TEST_F(EnumerateWindows, SkipsUntitledWindowsAndEverythingTheMainWindowOwns) {
    add_window(L"");
    const auto dialog = system.add_window({L"Edit Group", true});
    system.window(dialog).parent = host.main;
    const auto message_box = system.add_window({L"Hot Key Error", true});
    system.window(message_box).parent = dialog;
    const auto foreign_owner = add_window(L"Foreign");
    const auto foreign_dialog = system.add_window({L"Foreign Dialog", true});
    system.window(foreign_dialog).parent = foreign_owner;

    engine.enumerate_windows();

    EXPECT_EQ(handles_at({0, 1}), (std::vector<WindowHandle>{foreign_owner, foreign_dialog}));
    EXPECT_EQ(model.windows.count(), 2);
}

TEST_F(EnumerateWindows, ListsEveryTitledWindowBeforeTheMainWindowExists) {
    host.main = 0;
    add_window(L"Foreign");

    engine.enumerate_windows();

    EXPECT_EQ(model.windows.count(), 2);
}

TEST_F(EnumerateWindows, RecordsTheShowCommandThatRestoresTheWindow) {
    const auto minimised = add_window(L"Minimised", show_command::MINIMIZED);
    const auto hidden_maximised = add_window(L"Hidden", show_command::MAXIMIZED, false);
    const auto unreadable = add_window(L"No Placement");
    system.window(unreadable).show_state = std::nullopt;

    engine.enumerate_windows();

    const auto minimised_record = model.windows.record(index_of(minimised));
    EXPECT_TRUE(minimised_record.visible);
    EXPECT_EQ(minimised_record.show_cmd, show_command::MINIMIZED);
    const auto hidden_record = model.windows.record(index_of(hidden_maximised));
    EXPECT_FALSE(hidden_record.visible);
    EXPECT_EQ(hidden_record.show_cmd, show_command::SHOW);
    EXPECT_EQ(model.windows.record(index_of(unreadable)).show_cmd, show_command::SHOW);
}

TEST_F(EnumerateWindows, NamesTheImageOrSaysItIsUnknown) {
    const auto elevated =
        system.add_window({L"Administrator: Console", true, show_command::NORMAL, 0, 4242});
    const auto no_process = add_window(L"Orphan");
    const auto slashes = system.add_window({L"Slashes", true, show_command::NORMAL, 0, 7});
    system.set_process_image(7, L"C:/Tools/slash.exe");
    const auto bare = system.add_window({L"Bare", true, show_command::NORMAL, 0, 8});
    system.set_process_image(8, L"bare.exe");

    engine.enumerate_windows();

    EXPECT_EQ(model.windows.record(index_of(elevated)).image_name, L"(Unknown)");
    EXPECT_EQ(model.windows.record(index_of(no_process)).image_name, L"(Unknown)");
    EXPECT_EQ(model.windows.record(index_of(slashes)).image_name, L"slash.exe");
    EXPECT_EQ(model.windows.record(index_of(bare)).image_name, L"");
}

TEST_F(EnumerateWindows, ReadsEachProcessImageOncePerPass) {
    for (int i = 0; i < 5; ++i) {
        system.add_window({L"Tab " + std::to_wstring(i), true, show_command::NORMAL, 0, 31});
    }
    system.set_process_image(31, L"\\Device\\HarddiskVolume2\\browser.exe");
    add_process_window(L"Other", L"other.exe");

    engine.enumerate_windows();
    EXPECT_EQ(system.image_path_reads, 2);
    EXPECT_EQ(model.windows.record(4).image_name, L"browser.exe");

    engine.enumerate_windows();
    EXPECT_EQ(system.image_path_reads, 4);
}

TEST_F(EnumerateWindows, CutsLongTitles) {
    add_window(std::wstring(5000, L'x'));

    engine.enumerate_windows();

    EXPECT_EQ(model.windows.record(0).title, std::wstring(4095, L'x'));
}

TEST_F(EnumerateWindows, LeavesTheListAloneWhenNothingShownChanged) {
    const auto window = add_process_window(L"Stable", L"stable.exe");
    engine.enumerate_windows();
    ASSERT_EQ(host.page_refreshes, 1);
    // The image name takes no part in the change test.
    model.windows.records[0].image_name = L"marker";

    engine.enumerate_windows();

    EXPECT_EQ(host.page_refreshes, 1);
    EXPECT_EQ(model.windows.record(index_of(window)).image_name, L"marker");
}

TEST_F(EnumerateWindows, CopiesTheListWhenATitleVisibilityShowStateOrOrderChanges) {
    const auto first = add_window(L"First");
    const auto second = add_window(L"Second");
    engine.enumerate_windows();
    int refreshes = host.page_refreshes;

    const auto expect_change = [&](const char* what) {
        engine.enumerate_windows();
        EXPECT_EQ(host.page_refreshes, refreshes + 1) << what;
        refreshes = host.page_refreshes;
    };
    system.window(first).title = L"First*";
    expect_change("title");
    system.window(first).visible = false;
    expect_change("visibility");
    system.window(second).show_state = show_command::MAXIMIZED;
    expect_change("show state");
    system.bring_to_top(second);
    expect_change("Z order");
    EXPECT_EQ(handles_at({0, 1}), (std::vector<WindowHandle>{second, first}));
    system.close_window(first);
    expect_change("closed window");
    EXPECT_EQ(model.windows.count(), 1);
}

TEST_F(EnumerateWindows, UpdatesTheRecordsButNotThePageWhileTheMainWindowIsNotShown) {
    host.shown = false;
    add_window(L"New");

    engine.enumerate_windows();
    engine.enumerate_windows();

    EXPECT_EQ(model.windows.count(), 1);
    EXPECT_EQ(host.page_refreshes, 0);
    EXPECT_TRUE(host.refresh_timer_running);
    EXPECT_EQ(host.refresh_timer_starts, 2);
}
