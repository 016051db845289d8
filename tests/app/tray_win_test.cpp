#include "app/main_window_win.h"
#include "app/tray_win.h"
#include "harness/temporary_folder.h"
#include "model/data_model.h"
#include "storage/settings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <filesystem>

#include <functional>
#include <string>

namespace {

// Sends one request about the icon of `window`. The shell modifies only icons it holds, so
// NIM_MODIFY tells whether the icon is there.
bool notify_icon(DWORD request, HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = TrayIcon::ICON_ID;
    data.uFlags = NIF_ICON;
    data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    return Shell_NotifyIconW(request, &data) != FALSE;
}

// The shell's notification area, which refuses the icon while `refusing`, as it does before
// the taskbar is up.
struct RefusingArea final : engine::notification_area {
    bool notify(DWORD request, NOTIFYICONDATAW& data) override {
        return !(request == NIM_ADD && refusing) &&
               system_notification_area().notify(request, data);
    }
    bool refusing = false;
};

// The program around the main window, which never agrees to exit.
struct SettingsOnlyOwner final : engine::main_window_owner {
    HICON program_icon() const override { return nullptr; }
    Settings& settings() override { return loaded; }
    bool shutdown(bool) override { return false; }
    void save_changes() override {}
    void save_for_session_end() override {}
    engine::notification_area& tray_area() override { return area; }
    bool starts_in_tray() const override { return in_tray; }

    Settings loaded{[] { return ScreenSize{1280, 1024}; }};
    RefusingArea area;
    bool in_tray = false;
};

// The real main window of that program, its settings in a folder of their own.
struct MainWindowTest : testing::Test {
    void SetUp() override {
        owner.loaded.load(folder.file(L"settings.xml"));
        ASSERT_TRUE(window.create(owner, model));
    }
    TemporaryFolder folder;
    SettingsOnlyOwner owner;
    DataModel model;
    MainWindow window;
};

void serve_messages_until(const std::function<bool()>& done) {
    for (const ULONGLONG deadline = GetTickCount64() + 30000;
         !done() && GetTickCount64() < deadline;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&message);
    }
}

// Regressions: started at sign-in before the taskbar was up, the program stayed hidden without
// an icon; a taskbar re-created after Explorer crashed had lost the icon for good. Either way,
// with the main window hidden the user had no way back.
TEST(TrayIcon, ARefusedIconIsOfferedAgainARecreatedTaskbarGetsItBackAndTillThenNothingHides) {
    TemporaryFolder folder;
    SettingsOnlyOwner owner;
    owner.loaded.load(folder.file(L"settings.xml"));
    owner.area.refusing = owner.in_tray = true;
    DataModel model;
    MainWindow window;
    ASSERT_TRUE(window.create(owner, model));
    EXPECT_TRUE(IsWindowVisible(window.handle()) && IsIconic(window.handle()));
    SendMessageW(window.handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(window.handle()));

    owner.area.refusing = false;
    serve_messages_until([&] { return notify_icon(NIM_MODIFY, window.handle()); });
    SendMessageW(window.handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window.handle()));

    ASSERT_TRUE(notify_icon(NIM_DELETE, window.handle()));
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, TrayIcon::taskbar_created_message(), 0, 0, SMTO_ABORTIFHUNG,
                        5000, &result);
    EXPECT_TRUE(notify_icon(NIM_MODIFY, window.handle()));
}

// A drag sends a size at every step; settings.xml is written once the drag ends, and when the
// window is maximised or restored.
TEST_F(MainWindowTest, PlacementIsSavedWhenADragEndsAndAtMaximiseOrRestoreButNotAtEachStep) {
    const auto written = [&] {
        return std::filesystem::remove(path_of(folder.file(L"settings.xml")));
    };
    ASSERT_TRUE(written());
    SendMessageW(window.handle(), WM_ENTERSIZEMOVE, 0, 0);
    for (const int width : {700, 680, 660})
        SetWindowPos(window.handle(), nullptr, 0, 0, width, 500, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(written());
    SendMessageW(window.handle(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_TRUE(written());
    for (const int show : {SW_MAXIMIZE, SW_RESTORE}) {
        ShowWindow(window.handle(), show);
        EXPECT_TRUE(written()) << show;
    }
}

// Every submenu's items, each as its text and identifier, checked ones marked with a "*".
std::wstring items_of(const TrayMenu& menu) {
    std::wstring items;
    for (const int position :
         {TrayMenu::HIDE_GROUP_POSITION, TrayMenu::SHOW_GROUP_POSITION, TrayMenu::TIMERS_POSITION,
          TrayMenu::HIDE_WINDOW_POSITION, TrayMenu::SHOW_WINDOW_POSITION}) {
        const HMENU submenu = GetSubMenu(menu.popup(), position);
        for (int k = 0; k < GetMenuItemCount(submenu); ++k) {
            wchar_t text[512] = {};
            GetMenuStringW(submenu, k, text, 512, MF_BYPOSITION);
            const bool checked = GetMenuState(submenu, k, MF_BYPOSITION) & MF_CHECKED;
            items += std::wstring(text) + (checked ? L"* " : L" ") +
                     std::to_wstring(GetMenuItemID(submenu, k)) + L", ";
        }
        items += L"| ";
    }
    return items;
}

// An ampersand marks a mnemonic in a menu item, so a title's own one is doubled to show as
// itself; each opening replaces the items of the last.
TEST(TrayMenuFill, EverySubmenuListsItsEntriesWithTheirAmpersandsAndIsRefilledAtEachOpening) {
    TrayMenu menu;
    menu.fill({{L"Tom & Jerry"}, {{L"Clock", true}}, {L"News & Weather", L"Notes"}, {}});
    EXPECT_EQ(items_of(menu), L"Tom && Jerry 5000, | Tom && Jerry 6000, | Clock* 9000, | "
                              L"News && Weather 7000, Notes 7001, | | ");
    menu.fill({{}, {{L"Clock", false}}, {}, {L"A&&B"}});
    EXPECT_EQ(items_of(menu), L"| | Clock 9000, | | A&&&&B 8000, | ");
}

} // namespace
