#include "update/update_option_win.h"

#include "app/temporary_folder.h"
#include "resource.h"
#include "storage/settings.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A hidden window with the main window's menu bar from the program's resources.
class WindowWithMainMenu {
public:
    WindowWithMainMenu()
        : window_(
              CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                              LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU)),
                              nullptr, nullptr)) {}
    WindowWithMainMenu(const WindowWithMainMenu&) = delete;
    WindowWithMainMenu& operator=(const WindowWithMainMenu&) = delete;
    ~WindowWithMainMenu() { DestroyWindow(window_); }

    HWND window() const { return window_; }
    HMENU help() const { return GetSubMenu(GetMenu(window_), 2); }
    std::wstring help_label(int position) const {
        wchar_t label[128] = {};
        GetMenuStringW(help(), position, label, 128, MF_BYPOSITION);
        return label;
    }
    bool option_checked() const {
        return (GetMenuState(help(), 0, MF_BYPOSITION) & MF_CHECKED) != 0;
    }

private:
    HWND window_;
};

TEST(UpdateCheckState, TheHelpMenusFirstItemFollowsTheOption) {
    WindowWithMainMenu main;
    ASSERT_NE(main.window(), nullptr);
    for (const bool check_updates : {true, false, true}) {
        SCOPED_TRACE(check_updates);
        show_update_check_state(main.window(), check_updates);
        EXPECT_EQ(main.help_label(0), L"Check for Updates on Startup");
        EXPECT_EQ(main.option_checked(), check_updates);
        EXPECT_EQ(GetMenuItemID(main.help(), 0), static_cast<UINT>(ID_HELP_CHECK_FOR_UPDATES));
        EXPECT_EQ(main.help_label(2), L"&About");
    }

    // A window without a menu is left alone.
    const HWND plain = CreateWindowExW(0, L"STATIC", L"plain", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    show_update_check_state(plain, true);
    EXPECT_EQ(GetMenu(plain), nullptr);
    DestroyWindow(plain);
}

TEST(UpdateCheckToggle, TurningOffIsAskedFirstTurningOnIsAnnouncedAndEachIsSavedAndShown) {
    TemporaryFolder folder;
    const std::wstring path = folder.file(L"settings.xml");
    const ScreenSizeSource screen = [] { return ScreenSize{1920, 1080}; };
    Settings settings(screen);
    ASSERT_TRUE(settings.load(path));
    settings.set_check_updates(true);
    ASSERT_TRUE(settings.save());
    WindowWithMainMenu main;
    show_update_check_state(main.window(), true);
    const auto saved_option = [&] {
        Settings reloaded(screen);
        EXPECT_TRUE(reloaded.load(path));
        return reloaded.check_updates();
    };

    const struct {
        const wchar_t* box;
        int answer;
        bool option_after;
    } steps[] = {
        {L"Disable Updates", IDNO, true},
        {L"Disable Updates", IDYES, false},
        {L"Enable Updates", IDOK, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.answer);
        ModalScript script;
        script.on(step.box, [&](HWND box) { user::click(box, step.answer); });
        toggle_update_check(main.window(), settings);

        EXPECT_EQ(script.seen(), std::vector<std::wstring>{step.box});
        EXPECT_EQ(settings.check_updates(), step.option_after);
        EXPECT_EQ(saved_option(), step.option_after);
        EXPECT_EQ(main.option_checked(), step.option_after);
    }
}

} // namespace
