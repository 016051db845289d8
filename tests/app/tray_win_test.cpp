#include "app/main_window_win.h"
#include "app/tray_win.h"
#include "harness/temporary_folder.h"
#include "model/data_model.h"
#include "storage/settings.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <filesystem>

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

// The program around the main window, which never agrees to exit, and the shell's notification
// area, which refuses the icon while `refusing`, as it does before the taskbar is up.
struct SettingsOnlyOwner final : engine::main_window_owner, engine::notification_area {
    bool notify(DWORD request, NOTIFYICONDATAW& data) override {
        return !(request == NIM_ADD && refusing) &&
               system_notification_area().notify(request, data);
    }
    HICON program_icon() const override { return nullptr; }
    Settings& settings() override { return loaded; }
    bool shutdown(bool) override { return false; }
    void save_changes() override {}
    void save_for_session_end() override {}
    engine::notification_area& tray_area() override { return *this; }
    bool starts_in_tray() const override { return in_tray; }

    Settings loaded{[] { return ScreenSize{1280, 1024}; }};
    bool refusing = false;
    bool in_tray = false;
};

// The real main window of that program, its settings in a folder of their own.
struct MainWindowTest : testing::Test {
    void create() {
        owner.loaded.load(folder.file(L"settings.xml"));
        ASSERT_TRUE(window.create(owner, model));
    }
    TemporaryFolder folder;
    SettingsOnlyOwner owner;
    DataModel model;
    MainWindow window;
};

// Regressions: started at sign-in before the taskbar was up, or after Explorer crashed and
// re-created the taskbar, the program had no icon, and with the main window hidden no way back.
TEST_F(MainWindowTest,
       ARefusedTrayIconIsOfferedAgainARecreatedTaskbarGetsItBackAndTillThenNothingHides) {
    owner.refusing = owner.in_tray = true;
    create();
    EXPECT_TRUE(IsWindowVisible(window.handle()) && IsIconic(window.handle()));
    SendMessageW(window.handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(window.handle()));

    owner.refusing = false;
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
    create();
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
