#include "update/update_option_win.h"

#include "app/temporary_folder.h"
#include "resource.h"
#include "storage/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Answers every message box this thread opens, from inside its modal loop: a thread timer
// records the box's caption and presses `button`.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int button) {
        button_ = button;
        captions_.clear();
        timer_ = SetTimer(nullptr, 0, 10, &BoxAnswerer::on_timer);
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    ~BoxAnswerer() { KillTimer(nullptr, timer_); }

    const std::vector<std::wstring>& captions() const { return captions_; }

private:
    static void CALLBACK on_timer(HWND, UINT, UINT_PTR, DWORD) {
        for (const wchar_t* caption : {L"Disable Updates", L"Enable Updates"}) {
            const HWND box = FindWindowW(L"#32770", caption);
            if (box != nullptr && IsWindowVisible(box)) {
                captions_.push_back(caption);
                SendMessageW(GetDlgItem(box, button_), BM_CLICK, 0, 0);
            }
        }
    }

    UINT_PTR timer_ = 0;
    static inline int button_ = IDOK;
    static inline std::vector<std::wstring> captions_;
};

class UpdateCheckToggle : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(main.window(), nullptr);
        ASSERT_TRUE(settings.load(path));
    }
    void start_with(bool check_updates) {
        settings.set_check_updates(check_updates);
        ASSERT_TRUE(settings.save());
        show_update_check_state(main.window(), check_updates);
    }
    bool saved_option() const {
        Settings reloaded(screen);
        EXPECT_TRUE(reloaded.load(path));
        return reloaded.check_updates();
    }

    TemporaryFolder folder;
    std::wstring path = folder.file(L"settings.xml");
    ScreenSizeSource screen = [] { return ScreenSize{1920, 1080}; };
    Settings settings{screen};
    WindowWithMainMenu main;
};

TEST_F(UpdateCheckToggle, TurningOffAsksAndNoKeepsEverything) {
    start_with(true);
    BoxAnswerer answerer(IDNO);
    toggle_update_check(main.window(), settings);

    EXPECT_EQ(answerer.captions(), std::vector<std::wstring>{L"Disable Updates"});
    EXPECT_TRUE(settings.check_updates());
    EXPECT_TRUE(saved_option());
    EXPECT_TRUE(main.option_checked());
}

TEST_F(UpdateCheckToggle, TurningOffAfterYesIsSavedAndShown) {
    start_with(true);
    BoxAnswerer answerer(IDYES);
    toggle_update_check(main.window(), settings);

    EXPECT_EQ(answerer.captions(), std::vector<std::wstring>{L"Disable Updates"});
    EXPECT_FALSE(settings.check_updates());
    EXPECT_FALSE(saved_option());
    EXPECT_FALSE(main.option_checked());
}

TEST_F(UpdateCheckToggle, TurningOnIsAnnouncedSavedAndShown) {
    start_with(false);
    BoxAnswerer answerer(IDOK);
    toggle_update_check(main.window(), settings);

    EXPECT_EQ(answerer.captions(), std::vector<std::wstring>{L"Enable Updates"});
    EXPECT_TRUE(settings.check_updates());
    EXPECT_TRUE(saved_option());
    EXPECT_TRUE(main.option_checked());
    EXPECT_EQ(main.help_label(0), L"Check for Updates on Startup");
}

} // namespace
