#include "app/tray_win.h"

#include "app/fake_tray_host.h"
#include "app/main_window_fixture_win.h"
#include "engine/engine_fixture.h"
#include "engine/fake_clock.h"
#include "timers/timer_scheduler.h"
#include "ui/gdi_handles_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// Sends one request about the icon of `window` to the notification area.
bool notify_icon(DWORD request, HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = TrayIcon::ICON_ID;
    data.uFlags = NIF_ICON;
    data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    return Shell_NotifyIconW(request, &data) != FALSE;
}

// True while the notification area holds the icon of `window`: the shell changes only icons
// it has.
bool icon_is_shown(HWND window) {
    return notify_icon(NIM_MODIFY, window);
}

UniqueWindow make_host_window() {
    return UniqueWindow(CreateWindowExW(0, L"STATIC", L"Tray Test Host", WS_OVERLAPPEDWINDOW, 40,
                                        40, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr),
                                        nullptr));
}

// Each item of `menu` as its text, its identifier and whether it is checked.
std::vector<std::wstring> items_of(HMENU menu) {
    std::vector<std::wstring> items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        wchar_t text[512] = {};
        GetMenuStringW(menu, position, text, 512, MF_BYPOSITION);
        const bool checked = GetMenuState(menu, position, MF_BYPOSITION) & MF_CHECKED;
        items.push_back(std::wstring(text) + L" " + std::to_wstring(GetMenuItemID(menu, position)) +
                        (checked ? L" checked" : L""));
    }
    return items;
}

TEST(TrayMenuFill, EverySubmenuListsItsEntriesAndIsRefilledAtEachOpening) {
    using Items = std::vector<std::wstring>;
    TrayMenu menu;
    const auto submenu = [&](int position) { return items_of(GetSubMenu(menu.popup(), position)); };
    TrayMenuContent content{{L"Web Browsers"},
                            {{L"Clock timer", true}},
                            {L"News & Weather - Browser", L"Notes - Editor"},
                            {}};
    menu.fill(content);

    // The placeholders are gone; the ampersand of a title is shown as one.
    EXPECT_EQ(submenu(TrayMenu::HIDE_GROUP_POSITION), Items{L"Web Browsers 5000"});
    EXPECT_EQ(submenu(TrayMenu::SHOW_GROUP_POSITION), Items{L"Web Browsers 6000"});
    EXPECT_EQ(submenu(TrayMenu::TIMERS_POSITION), Items{L"Clock timer 9000 checked"});
    EXPECT_EQ(submenu(TrayMenu::HIDE_WINDOW_POSITION),
              (Items{L"News && Weather - Browser 7000", L"Notes - Editor 7001"}));
    EXPECT_EQ(submenu(TrayMenu::SHOW_WINDOW_POSITION), Items{});

    content.timers[0].checked = false;
    content.windows_to_hide = {L"Opened Later"};
    content.windows_to_show = {L"Notes - Editor"};
    menu.fill(content);
    EXPECT_EQ(submenu(TrayMenu::TIMERS_POSITION), Items{L"Clock timer 9000"});
    EXPECT_EQ(submenu(TrayMenu::HIDE_WINDOW_POSITION), Items{L"Opened Later 7000"});
    EXPECT_EQ(submenu(TrayMenu::SHOW_WINDOW_POSITION), Items{L"Notes - Editor 8000"});
}

// A tray over fake windows, in a plain window standing in for the main dialog.
class TrayWindow : public EngineTest {
protected:
    // The main window hands the icon's messages to the tray.
    void notify(UINT mouse_message) {
        EXPECT_TRUE(
            tray.handle_message(TrayIcon::CALLBACK_MESSAGE, TrayIcon::ICON_ID, mouse_message));
    }

    FakeClock clock;
    TimerScheduler scheduler{model, engine, host, clock};
    FakeTrayHost tray_host{engine};
    const UniqueWindow host_window = make_host_window();
    Tray tray{
        host_window.get(), LoadIconW(nullptr, IDI_APPLICATION), model, engine, scheduler, system,
        tray_host};
};

TEST_F(TrayWindow, IconGoesWithTheTray) {
    const UniqueWindow other_window = make_host_window();
    {
        Tray other{other_window.get(), nullptr, model, engine, scheduler, system, tray_host};
        EXPECT_TRUE(icon_is_shown(other_window.get()));
    }
    EXPECT_FALSE(icon_is_shown(other_window.get()));
}

TEST_F(TrayWindow, ALeftClickOrDoubleClickShowsTheMainWindowAndOtherMessagesAreLeftAlone) {
    const WindowHandle browser = add_window(L"News - Browser");
    engine.enumerate_windows();
    EXPECT_FALSE(tray.handle_message(WM_USER + 1, 0, 0));
    EXPECT_FALSE(tray.handle_message(WM_COMMAND, 40016, 0));
    notify(WM_RBUTTONUP);
    notify(WM_LBUTTONUP);
    EXPECT_TRUE(tray_host.calls.empty());
    EXPECT_FALSE(IsWindowVisible(host_window.get()));
    EXPECT_TRUE(is_shown(browser));

    notify(WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(host_window.get()));
    EXPECT_EQ(tray_host.calls, (std::vector<std::string>{"refresh page"}));

    // A double click keeps a minimised main window minimised.
    ShowWindow(host_window.get(), SW_SHOWMINNOACTIVE);
    notify(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(host_window.get()));
    EXPECT_TRUE(IsIconic(host_window.get()));
    EXPECT_EQ(tray_host.calls, (std::vector<std::string>{"refresh page", "refresh page"}));
}

// Regression: a taskbar re-created after Explorer crashed had lost the icon for good, and with
// the main window hidden the user had no way back.
TEST_F(MainWindowTest, ReCreatedTaskbarGetsTheIconBackFromTheMainWindow) {
    create();
    notify_icon(NIM_DELETE, window.handle());
    ASSERT_FALSE(icon_is_shown(window.handle()));

    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, TrayIcon::taskbar_created_message(), 0, 0, SMTO_ABORTIFHUNG,
                        5000, &result);

    EXPECT_TRUE(icon_is_shown(window.handle()));
}

} // namespace
