#include "update/update_option_win.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A hidden top-level window with the main window's menu bar: File, Edit and Help, the Help
// menu starting with the update option as the resource labels it.
class WindowWithMainMenu {
public:
    WindowWithMainMenu() {
        HMENU bar = CreateMenu();
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup(ID_FILE_EXIT, L"E&xit")),
                    L"&File");
        AppendMenuW(bar, MF_POPUP,
                    reinterpret_cast<UINT_PTR>(popup(ID_EDIT_IGNORE_LIST, L"&Ignore List...")),
                    L"&Edit");
        help_ = popup(ID_HELP_CHECK_FOR_UPDATES, L"&Disable Checking For Updates");
        AppendMenuW(help_, MF_STRING, ID_HELP_ABOUT, L"&About...");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help_), L"&Help");
        window_ = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                  nullptr, bar, nullptr, nullptr);
    }
    WindowWithMainMenu(const WindowWithMainMenu&) = delete;
    WindowWithMainMenu& operator=(const WindowWithMainMenu&) = delete;
    ~WindowWithMainMenu() { DestroyWindow(window_); }

    HWND window() const { return window_; }

    std::wstring help_label(int position) const {
        wchar_t label[128] = {};
        GetMenuStringW(help_, position, label, 128, MF_BYPOSITION);
        return label;
    }
    bool option_checked() const {
        return (GetMenuState(help_, 0, MF_BYPOSITION) & MF_CHECKED) != 0;
    }
    UINT option_command() const { return GetMenuItemID(help_, 0); }

private:
    static HMENU popup(UINT command, const wchar_t* label) {
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, command, label);
        return menu;
    }

    HMENU help_ = nullptr;
    HWND window_ = nullptr;
};

TEST(UpdateCheckState, OnShowsTheCheckedStartupLabel) {
    WindowWithMainMenu main;
    ASSERT_NE(main.window(), nullptr);
    show_update_check_state(main.window(), true);
    EXPECT_EQ(main.help_label(0), L"Check for Updates on Startup");
    EXPECT_TRUE(main.option_checked());
    EXPECT_EQ(main.option_command(), static_cast<UINT>(ID_HELP_CHECK_FOR_UPDATES));
    EXPECT_EQ(main.help_label(1), L"&About...");
}

TEST(UpdateCheckState, FollowsTheOptionBothWays) {
    WindowWithMainMenu main;
    show_update_check_state(main.window(), true);
    show_update_check_state(main.window(), false);
    EXPECT_EQ(main.help_label(0), L"Check for Updates on Startup");
    EXPECT_FALSE(main.option_checked());
    EXPECT_EQ(main.option_command(), static_cast<UINT>(ID_HELP_CHECK_FOR_UPDATES));

    show_update_check_state(main.window(), true);
    EXPECT_TRUE(main.option_checked());
}

TEST(UpdateCheckState, AWindowWithoutMenuIsLeftAlone) {
    HWND plain = CreateWindowExW(0, L"STATIC", L"plain", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    show_update_check_state(plain, true);
    EXPECT_EQ(GetMenu(plain), nullptr);
    DestroyWindow(plain);
}

} // namespace
