#include "app/tray_win.h"

#include "app/fake_tray_host.h"
#include "app/main_window_win.h"
#include "app/temporary_folder.h"
#include "app/tray_menu_text.h"
#include "engine/engine_fixture.h"
#include "engine/fake_clock.h"
#include "storage/settings.h"
#include "timers/timer_scheduler.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// A top-level window standing in for the main dialog: it hands its messages to the tray the
// way the main window does.
class HostWindow {
public:
    HostWindow() {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = &HostWindow::procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = CLASS_NAME;
        RegisterClassW(&window_class);
        window_ = CreateWindowExW(0, CLASS_NAME, L"Tray Test Host", WS_OVERLAPPEDWINDOW, 40, 40,
                                  300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    ~HostWindow() { DestroyWindow(window_); }

    HWND handle() const { return window_; }
    void attach(Tray* tray) { SetWindowLongPtrW(window_, GWLP_USERDATA, LONG_PTR(tray)); }

private:
    static constexpr const wchar_t* CLASS_NAME = L"HushcloakTrayTestHost";

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        auto* tray = reinterpret_cast<Tray*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (tray != nullptr && tray->handle_message(message, wparam, lparam)) {
            return 0;
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }

    HWND window_ = nullptr;
};

// True while the notification area holds the icon of `window`: the shell changes only icons
// it has.
bool icon_is_shown(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = TrayIcon::ICON_ID;
    data.uFlags = NIF_ICON;
    data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void forget_icon_in_the_shell(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = TrayIcon::ICON_ID;
    Shell_NotifyIconW(NIM_DELETE, &data);
}

struct MenuItem {
    std::wstring text;
    UINT id = 0;
    bool checked = false;

    bool operator==(const MenuItem&) const = default;
};

void PrintTo(const MenuItem& item, std::ostream* out) {
    *out << '"' << std::string(item.text.begin(), item.text.end()) << "\" " << item.id
         << (item.checked ? " checked" : "");
}

std::vector<MenuItem> items_of(HMENU menu) {
    std::vector<MenuItem> items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        wchar_t text[512] = {};
        GetMenuStringW(menu, position, text, 512, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, position, MF_BYPOSITION);
        items.push_back({text, GetMenuItemID(menu, position), (state & MF_CHECKED) != 0});
    }
    return items;
}

// The open pop-up menu of this thread, seen from inside its modal loop: a thread timer reads
// its items and then presses keys to choose one (or Escape to close it).
class MenuAnswerer {
public:
    explicit MenuAnswerer(std::vector<WORD> keys) {
        keys_ = std::move(keys);
        seen_.reset();
        timer_ = SetTimer(nullptr, 0, 20, &MenuAnswerer::on_timer);
    }
    MenuAnswerer(const MenuAnswerer&) = delete;
    MenuAnswerer& operator=(const MenuAnswerer&) = delete;
    ~MenuAnswerer() { KillTimer(nullptr, timer_); }

    // The menu's items and each submenu's, by position; none when no menu opened.
    const std::optional<std::vector<std::vector<MenuItem>>>& seen() const { return seen_; }

private:
    static HWND open_menu_window() {
        HWND found = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM result) {
                wchar_t name[16] = {};
                GetClassNameW(window, name, 16);
                if (std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
                    *reinterpret_cast<HWND*>(result) = window;
                    return FALSE;
                }
                return TRUE;
            },
            LPARAM(&found));
        return found;
    }

    static void CALLBACK on_timer(HWND, UINT, UINT_PTR, DWORD) {
        HWND menu_window = open_menu_window();
        if (menu_window == nullptr || seen_) {
            return;
        }
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(menu_window, MN_GETHMENU, 0, 0));
        std::vector<std::vector<MenuItem>> seen{items_of(menu)};
        for (int position = 0; position < GetMenuItemCount(menu); ++position) {
            HMENU submenu = GetSubMenu(menu, position);
            seen.push_back(submenu ? items_of(submenu) : std::vector<MenuItem>{});
        }
        seen_ = seen;
        for (const WORD key : keys_) {
            PostMessageW(menu_window, WM_KEYDOWN, key, 0);
            PostMessageW(menu_window, WM_KEYUP, key, 0xC0000000);
        }
    }

    static inline std::vector<WORD> keys_;
    static inline std::optional<std::vector<std::vector<MenuItem>>> seen_;
    UINT_PTR timer_ = 0;
};

class TrayWindow : public EngineTest {
protected:
    TrayWindow() {
        browser = add_window(L"News & Weather - Browser");
        editor = add_window(L"Notes - Editor");
        Group browsers = make_group(4, {title_pattern(Pattern::ENDS_WITH, L"Browser")});
        browsers.set_name(L"Web Browsers");
        model.add_group(browsers);
        VisibilityTimer timer;
        timer.group_id = 4;
        timer.enabled = true;
        timer.start_h = 9;
        timer.duration_h = 1;
        model.add_timer(timer);
        engine.enumerate_windows();
        host_window.attach(&tray);
    }
    ~TrayWindow() override { host_window.attach(nullptr); }

    void notify(UINT mouse_message) {
        SendMessageW(host_window.handle(), TrayIcon::CALLBACK_MESSAGE, TrayIcon::ICON_ID,
                     mouse_message);
    }

    FakeClock clock;
    TimerScheduler scheduler{model, engine, host, clock};
    FakeTrayHost tray_host{engine};
    HostWindow host_window;
    Tray tray{host_window.handle(),
              LoadIconW(nullptr, IDI_APPLICATION),
              model,
              engine,
              scheduler,
              system,
              tray_host};
    WindowHandle browser = 0;
    WindowHandle editor = 0;
};

// The program around a real main window: its settings in a temporary folder, and a count of the
// exits it was asked for.
class SettingsOwner final : public engine::main_window_owner {
public:
    explicit SettingsOwner(const std::wstring& settings_path) { settings_.load(settings_path); }

    HICON program_icon() const override { return LoadIconW(nullptr, IDI_APPLICATION); }
    Settings& settings() override { return settings_; }
    bool shutdown(bool silent) override {
        ++shutdowns;
        last_shutdown_silent = silent;
        return false;
    }

    int shutdowns = 0;
    bool last_shutdown_silent = true;

private:
    Settings settings_{[] { return ScreenSize{1280, 1024}; }};
};

class MainWindowTray : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.create(owner, model)); }

    void notify(UINT mouse_message) {
        SendMessageW(window.handle(), TrayIcon::CALLBACK_MESSAGE, TrayIcon::ICON_ID, mouse_message);
    }

    TemporaryFolder folder;
    DataModel model;
    SettingsOwner owner{folder.file(L"settings.xml")};
    MainWindow window;
};

} // namespace

TEST_F(TrayWindow, IconGoesWithTheTray) {
    HostWindow other_window;
    {
        Tray other{other_window.handle(), nullptr, model, engine, scheduler, system, tray_host};
        EXPECT_TRUE(icon_is_shown(other_window.handle()));
    }
    EXPECT_FALSE(icon_is_shown(other_window.handle()));
}

TEST_F(TrayWindow, RightClickOpensTheMenuWithTheEntriesOfTheMoment) {
    const WindowHandle player = add_window(L"Tunes - Player");
    MenuAnswerer answerer({VK_ESCAPE});

    notify(WM_RBUTTONDOWN);

    ASSERT_TRUE(answerer.seen().has_value());
    const auto& menu = *answerer.seen();
    const std::vector<MenuItem> top = menu[0];
    ASSERT_EQ(top.size(), 12u);
    EXPECT_EQ(top[0].text, L"Hide Group");
    EXPECT_EQ(top[1].text, L"Show Group");
    EXPECT_EQ(top[3].text, L"Visibility Timers");
    EXPECT_EQ(top[5].text, L"Hide Window");
    EXPECT_EQ(top[6].text, L"Show Window");
    EXPECT_EQ(top[8], (MenuItem{L"Show All Windows", 40017}));
    EXPECT_EQ(top[9], (MenuItem{L"Hide All Windows", 40016}));
    EXPECT_EQ(top[11], (MenuItem{L"E&xit", 40001}));
    for (const int separator : {2, 4, 7, 10}) {
        EXPECT_EQ(top[separator], MenuItem{}) << separator;
    }

    // The placeholders are gone; the ampersand of a title is shown as one.
    EXPECT_EQ(menu[1 + 0], (std::vector<MenuItem>{{L"Web Browsers", 5000}}));
    EXPECT_EQ(menu[1 + 1], (std::vector<MenuItem>{{L"Web Browsers", 6000}}));
    EXPECT_EQ(menu[1 + 3],
              (std::vector<MenuItem>{
                  {L"(Clock) Hides \"Web Browsers\" from 9:00 AM until 10:00 AM, (1 hour).", 9000,
                   true}}));
    EXPECT_EQ(menu[1 + 5], (std::vector<MenuItem>{{L"News && Weather - Browser", 7000},
                                                  {L"Notes - Editor", 7001},
                                                  {L"Tunes - Player", 7002}}));
    EXPECT_TRUE(menu[1 + 6].empty());
    EXPECT_TRUE(is_shown(player));
}

TEST_F(TrayWindow, EveryOpeningListsTheWindowsAnew) {
    {
        MenuAnswerer answerer({VK_ESCAPE});
        notify(WM_RBUTTONDOWN);
    }
    system.close_window(editor);
    add_window(L"Opened Later");

    MenuAnswerer answerer({VK_ESCAPE});
    notify(WM_RBUTTONDOWN);

    ASSERT_TRUE(answerer.seen().has_value());
    EXPECT_EQ(
        (*answerer.seen())[1 + 5],
        (std::vector<MenuItem>{{L"News && Weather - Browser", 7000}, {L"Opened Later", 7001}}));
}

TEST_F(TrayWindow, LeftClickBringsTheMainWindowBack) {
    ASSERT_FALSE(IsWindowVisible(host_window.handle()));

    notify(WM_LBUTTONDOWN);

    EXPECT_TRUE(IsWindowVisible(host_window.handle()));
    EXPECT_EQ(tray_host.calls, (std::vector<std::string>{"refresh page"}));
}

TEST_F(TrayWindow, DoubleClickKeepsAMinimisedMainWindowMinimised) {
    ShowWindow(host_window.handle(), SW_SHOWMINNOACTIVE);

    notify(WM_LBUTTONDBLCLK);

    EXPECT_TRUE(IsWindowVisible(host_window.handle()));
    EXPECT_TRUE(IsIconic(host_window.handle()));
    EXPECT_EQ(tray_host.calls, (std::vector<std::string>{"refresh page"}));
}

TEST_F(TrayWindow, OtherMessagesAndOtherMouseMessagesAreLeftAlone) {
    EXPECT_FALSE(tray.handle_message(WM_USER + 1, 0, 0));
    EXPECT_FALSE(tray.handle_message(WM_COMMAND, 40016, 0));

    notify(WM_RBUTTONUP);
    notify(WM_LBUTTONUP);

    EXPECT_TRUE(tray_host.calls.empty());
    EXPECT_FALSE(IsWindowVisible(host_window.handle()));
    EXPECT_TRUE(is_shown(browser));
}

TEST_F(MainWindowTray, IconComesWithTheWindowAndGoesOnceTheExitGoesAhead) {
    EXPECT_TRUE(icon_is_shown(window.handle()));

    ASSERT_TRUE(window.confirm_exit(false));

    EXPECT_FALSE(icon_is_shown(window.handle()));
}

// Regression: a taskbar re-created after Explorer crashed had lost the icon for good, and with
// the main window hidden the user had no way back.
TEST_F(MainWindowTray, ReCreatedTaskbarGetsTheIconBackFromTheMainWindow) {
    forget_icon_in_the_shell(window.handle());

    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, TrayIcon::taskbar_created_message(), 0, 0, SMTO_ABORTIFHUNG,
                        5000, &result);

    EXPECT_TRUE(icon_is_shown(window.handle()));
}

TEST_F(MainWindowTray, ExitChosenInTheMenuAsksForTheExitSequence) {
    MenuAnswerer answerer({'X'});

    notify(WM_RBUTTONDOWN);

    ASSERT_TRUE(answerer.seen().has_value());
    EXPECT_EQ(owner.shutdowns, 1);
    EXPECT_FALSE(owner.last_shutdown_silent);
}
