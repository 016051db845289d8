#include "engine/window_system_win.h"

#include "engine/fake_engine_host.h"
#include "engine/fake_waiter.h"
#include "engine/window_engine.h"
#include "model/data_model.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// A window of the test's own thread, which the system reports like any other.
struct OwnWindow {
    OwnWindow(const wchar_t* title, HWND owner, int show)
        : hwnd(CreateWindowExW(0, L"STATIC", title, owner ? WS_POPUPWINDOW : WS_OVERLAPPEDWINDOW,
                               20, 20, 240, 120, owner, nullptr, nullptr, nullptr)) {
        ShowWindow(hwnd, show);
    }
    ~OwnWindow() { DestroyWindow(hwnd); }
    WindowHandle handle() const { return to_window_handle(hwnd); }
    HWND hwnd;
};

// Hiding and showing go through the window's own thread without waiting for it.
void run_pending_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

} // namespace

TEST(Win32WindowSystem, TheEngineListsHidesAndShowsRealWindowsButNotTheMainWindowsOwn) {
    const OwnWindow main_window(L"Hushcloak", nullptr, SW_SHOWNORMAL);
    const OwnWindow message_box(L"Hot Key Error", main_window.hwnd, SW_SHOWNORMAL);
    const OwnWindow target(L"Engine Target Window", nullptr, SW_SHOWMAXIMIZED);
    DataModel model;
    Win32WindowSystem system;
    FakeEngineHost host;
    host.main = main_window.handle();
    FakeWaiter waiter;
    WindowEngine engine(model, system, host, waiter);

    engine.enumerate_windows();
    EXPECT_EQ(model.windows.find_index(main_window.handle()), -1);
    EXPECT_EQ(model.windows.find_index(message_box.handle()), -1);
    const int index = model.windows.find_index(target.handle());
    ASSERT_GE(index, 0);
    EXPECT_EQ(model.windows.record(index).title, L"Engine Target Window");
    EXPECT_EQ(_wcsicmp(model.windows.record(index).image_name.c_str(), L"win_tests.exe"), 0);
    EXPECT_EQ(model.windows.record(index).show_cmd, SW_SHOWMAXIMIZED);

    engine.hide_window(index, HiddenWindowRegister::NO_OWNER);
    run_pending_messages();
    engine.enumerate_windows();
    const int hidden = model.windows.find_index(target.handle());
    EXPECT_FALSE(model.windows.record(hidden).visible);
    engine.show_window(hidden);
    run_pending_messages();
    EXPECT_TRUE(IsWindowVisible(target.hwnd) && IsZoomed(target.hwnd));
}
