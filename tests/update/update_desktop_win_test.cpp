#include "update/update_desktop_win.h"

#include <gtest/gtest.h>

namespace {

TEST(Win32UpdateDesktop, TheExitRequestIsPostedToTheMainWindow) {
    HWND main_window = CreateWindowExW(0, L"STATIC", L"main", 0, 0, 0, 10, 10, HWND_MESSAGE,
                                       nullptr, nullptr, nullptr);
    ASSERT_NE(main_window, nullptr);

    Win32UpdateDesktop desktop(main_window);
    desktop.request_silent_exit();

    MSG message{};
    EXPECT_TRUE(
        PeekMessageW(&message, main_window, UPDATE_EXIT_MESSAGE, UPDATE_EXIT_MESSAGE, PM_REMOVE));
    EXPECT_EQ(message.hwnd, main_window);
    DestroyWindow(main_window);
}

} // namespace
