#include "engine/engine_fixture.h"

#include <string>

using EnumerateWindows = EngineTest;

TEST_F(EnumerateWindows, RecordsTitledWindowsInZOrderLeavingOutWhatTheMainWindowOwns) {
    const auto editor = add_process_window(L"Untitled - Notepad", L"notepad.exe");
    add_window(L"");
    const auto dialog = system.add_window({L"Edit Group", true, show_command::NORMAL, host.main});
    system.add_window({L"Hot Key Error", true, show_command::NORMAL, dialog});
    const auto foreign = add_window(L"Foreign", show_command::MAXIMIZED);
    const auto foreign_dialog =
        system.add_window({L"Foreign Dialog", true, show_command::NORMAL, foreign});

    EXPECT_TRUE(engine.enumerate_windows());

    EXPECT_EQ(model.windows.record(0),
              (WindowRecord{L"Untitled - Notepad", L"notepad.exe", true, 1, editor}));
    EXPECT_EQ(handles_at({1, 2}), (std::vector<WindowHandle>{foreign, foreign_dialog}));
    EXPECT_EQ(model.windows.record(1).show_cmd, show_command::MAXIMIZED);
    EXPECT_EQ(model.windows.count(), 3);

    // Before the main window exists, every titled window is listed.
    host.main = 0;
    engine.enumerate_windows();
    EXPECT_EQ(model.windows.count(), 6);
}

TEST_F(EnumerateWindows, RecordsTheShowCommandThatRestoresTheWindowAndTheImageFileName) {
    const auto minimised = add_window(L"Minimised", show_command::MINIMIZED);
    const auto hidden_maximised = add_window(L"Hidden", show_command::MAXIMIZED, false);
    const auto unreadable = add_window(L"No Placement");
    system.window(unreadable).show_state = std::nullopt;
    const auto elevated =
        system.add_window({L"Administrator: Console", true, show_command::NORMAL, 0, 4242});
    const auto slashes = system.add_window({L"Slashes", true, show_command::NORMAL, 0, 7});
    system.set_process_image(7, L"C:/Tools/slash.exe");
    const auto bare = system.add_window({L"Bare", true, show_command::NORMAL, 0, 8});
    system.set_process_image(8, L"bare.exe");
    add_window(std::wstring(5000, L'x'));

    engine.enumerate_windows();

    const auto record_of = [&](WindowHandle window) {
        return model.windows.record(index_of(window));
    };
    EXPECT_EQ(record_of(minimised).show_cmd, show_command::MINIMIZED);
    EXPECT_TRUE(record_of(minimised).visible);
    EXPECT_FALSE(record_of(hidden_maximised).visible);
    EXPECT_EQ(record_of(hidden_maximised).show_cmd, show_command::SHOW);
    EXPECT_EQ(record_of(unreadable).show_cmd, show_command::SHOW);
    // Without a process, or without access to its image, the image is unknown.
    EXPECT_EQ(record_of(elevated).image_name, L"(Unknown)");
    EXPECT_EQ(record_of(minimised).image_name, L"(Unknown)");
    EXPECT_EQ(record_of(slashes).image_name, L"slash.exe");
    EXPECT_EQ(record_of(bare).image_name, L"");
    EXPECT_EQ(model.windows.record(model.windows.count() - 1).title, std::wstring(4095, L'x'));
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

TEST_F(EnumerateWindows, CopiesTheListOnlyWhenATitleVisibilityShowStateOrOrderChanges) {
    const auto first = add_window(L"First");
    const auto second = add_process_window(L"Second", L"second.exe");
    engine.enumerate_windows();
    int refreshes = host.page_refreshes;
    const auto expect_change = [&](const char* what, bool changed) {
        engine.enumerate_windows();
        EXPECT_EQ(host.page_refreshes, refreshes + (changed ? 1 : 0)) << what;
        refreshes = host.page_refreshes;
    };

    // The image name takes no part in the change test.
    model.windows.records[1].image_name = L"marker";
    expect_change("nothing shown", false);
    EXPECT_EQ(model.windows.record(index_of(second)).image_name, L"marker");
    system.window(first).title = L"First*";
    expect_change("title", true);
    system.window(first).visible = false;
    expect_change("visibility", true);
    system.window(second).show_state = show_command::MAXIMIZED;
    expect_change("show state", true);
    system.bring_to_top(second);
    expect_change("Z order", true);
    EXPECT_EQ(handles_at({0, 1}), (std::vector<WindowHandle>{second, first}));
    system.close_window(first);
    expect_change("closed window", true);
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
