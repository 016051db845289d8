#include "engine/window_system_win.h"

#include "engine/fake_engine_host.h"
#include "engine/fake_waiter.h"
#include "engine/window_engine.h"
#include "engine/window_timer_waiter_win.h"
#include "model/data_model.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

namespace {

// A window of the test's own thread, which the system reports like any other.
std::unique_ptr<HWND__, decltype(&DestroyWindow)> own_window(const wchar_t* title, HWND owner) {
    const HWND window =
        CreateWindowExW(0, L"STATIC", title, owner ? WS_POPUPWINDOW : WS_OVERLAPPEDWINDOW, 20, 20,
                        240, 120, owner, nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    return {window, &DestroyWindow};
}

template <typename Condition> void pump_messages_until(Condition done) {
    for (const auto deadline = GetTickCount64() + 10000; !done() && GetTickCount64() < deadline;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
    }
}

} // namespace

// Hiding and showing real windows is the hiding story's end-to-end test; here the owner walk
// keeps the main window's dialogs off the list, and message-only windows (Wine lists them).
TEST(Win32WindowSystem, APassListsRealWindowsButNotTheMainWindowNorWhatItOwns) {
    const auto main_window = own_window(L"Hushcloak", nullptr);
    const auto message_box = own_window(L"Hot Key Error", main_window.get());
    const auto target = own_window(L"Engine Target Window", nullptr);
    const auto message_only = own_window(L"Message Only", HWND_MESSAGE);
    DataModel model;
    Win32WindowSystem system;
    FakeEngineHost host;
    host.main = to_window_handle(main_window.get());
    FakeWaiter waiter;
    WindowEngine engine(model, system, host, waiter);
    engine.enumerate_windows();
    EXPECT_GE(model.windows.find_index(to_window_handle(target.get())), 0);
    EXPECT_EQ(model.windows.find_index(to_window_handle(main_window.get())), -1);
    EXPECT_EQ(model.windows.find_index(to_window_handle(message_box.get())), -1);
    EXPECT_EQ(model.windows.find_index(to_window_handle(message_only.get())), -1);
}

// The engine's settling waits hold up nothing: their steps run later from the message loop,
// equal waits in the order asked for, and a cancelled one never.
TEST(WindowTimerWaiter, StepsRunFromTheMessageLoopInTheirOrderAndCancelledOnesNever) {
    WindowTimerWaiter waiter;
    std::vector<int> ran;
    waiter.after_milliseconds(20, [&] {
        ran.push_back(1);
        waiter.after_milliseconds(0, [&] { ran.push_back(3); });
    });
    waiter.after_milliseconds(20, [&] { ran.push_back(2); });
    EXPECT_TRUE(ran.empty());
    pump_messages_until([&] { return ran.size() == 3; });
    waiter.after_milliseconds(0, [&] { ran.push_back(8); });
    waiter.cancel();
    waiter.after_milliseconds(0, [&] { ran.push_back(4); });
    pump_messages_until([&] { return ran.size() >= 4; });
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
}
