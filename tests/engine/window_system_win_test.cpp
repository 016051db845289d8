#include "engine/window_system_win.h"

#include "engine/fake_engine_host.h"
#include "engine/fake_waiter.h"
#include "engine/window_engine.h"
#include "model/data_model.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

namespace {

// A window of the test's own thread, which the system reports like any other.
std::unique_ptr<HWND__, decltype(&DestroyWindow)> own_window(const wchar_t* title, HWND owner,
                                                             int show) {
    const HWND window =
        CreateWindowExW(0, L"STATIC", title, owner ? WS_POPUPWINDOW : WS_OVERLAPPEDWINDOW, 20, 20,
                        240, 120, owner, nullptr, nullptr, nullptr);
    ShowWindow(window, show);
    return {window, &DestroyWindow};
}

} // namespace

TEST(Win32WindowSystem, TheEngineListsHidesAndShowsRealWindowsButNotTheMainWindowsOwn) {
    const auto main_window = own_window(L"Hushcloak", nullptr, SW_SHOWNORMAL);
    const auto message_box = own_window(L"Hot Key Error", main_window.get(), SW_SHOWNORMAL);
    const auto target = own_window(L"Engine Target Window", nullptr, SW_SHOWMAXIMIZED);
    DataModel model;
    Win32WindowSystem system;
    FakeEngineHost host;
    host.main = to_window_handle(main_window.get());
    FakeWaiter waiter;
    WindowEngine engine(model, system, host, waiter);
    // Hiding and showing go through the window's own thread without waiting for it.
    const auto pass_after_messages = [&] {
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
        engine.enumerate_windows();
        return model.windows.find_index(to_window_handle(target.get()));
    };

    const int index = pass_after_messages();
    ASSERT_GE(index, 0);
    EXPECT_EQ(model.windows.find_index(to_window_handle(main_window.get())), -1);
    EXPECT_EQ(model.windows.find_index(to_window_handle(message_box.get())), -1);
    engine.hide_window(index, HiddenWindowRegister::NO_OWNER);
    const int hidden = pass_after_messages();
    EXPECT_FALSE(model.windows.record(hidden).visible);
    engine.show_window(hidden);
    pass_after_messages();
    EXPECT_TRUE(IsWindowVisible(target.get()) && IsZoomed(target.get()));
}
