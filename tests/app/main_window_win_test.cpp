#include "app/main_window_win.h"

#include "app/temporary_folder.h"
#include "model/data_model.h"
#include "resource.h"
#include "storage/settings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

namespace {

// The program around the main window: settings in a temporary folder, and a record of every
// exit it was asked for.
class FakeOwner final : public engine::main_window_owner {
public:
    explicit FakeOwner(const std::wstring& settings_path) { settings_.load(settings_path); }

    HICON program_icon() const override { return nullptr; }
    Settings& settings() override { return settings_; }
    bool shutdown(bool silent) override {
        ++shutdowns;
        last_shutdown_silent = silent;
        return false;
    }

    int shutdowns = 0;
    bool last_shutdown_silent = false;

private:
    Settings settings_{[] { return ScreenSize{1280, 1024}; }};
};

struct Placement {
    int x;
    int y;
    int width;
    int height;
    bool maximized;

    bool operator==(const Placement&) const = default;
};

void PrintTo(const Placement& p, std::ostream* out) {
    *out << p.x << ", " << p.y << ", " << p.width << " x " << p.height
         << (p.maximized ? " maximized" : "");
}

// A top-level window of the test's own thread, which the window engine treats like any other
// program's window.
class TargetWindow {
public:
    explicit TargetWindow(const wchar_t* title)
        : window_(CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                  200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
    }
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;
    ~TargetWindow() { DestroyWindow(window_); }

    HWND handle() const { return window_; }

private:
    HWND window_;
};

// Answers the next dialog or message box with `caption` from inside its modal loop: a thread
// timer finds it, notes where it opened and presses one of its buttons.
class BoxAnswerer {
public:
    BoxAnswerer(const wchar_t* caption, int button) {
        caption_ = caption;
        button_ = button;
        opened_at_.reset();
        timer_ = SetTimer(nullptr, 0, 10, &BoxAnswerer::on_timer);
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    ~BoxAnswerer() { KillTimer(nullptr, timer_); }

    std::optional<RECT> box_rect() const { return opened_at_; }

private:
    static void CALLBACK on_timer(HWND, UINT, UINT_PTR, DWORD) {
        const HWND box = FindWindowW(L"#32770", caption_);
        if (box == nullptr || opened_at_)
            return;
        RECT rect{};
        GetWindowRect(box, &rect);
        opened_at_ = rect;
        SendMessageW(GetDlgItem(box, button_), BM_CLICK, 0, 0);
    }

    UINT_PTR timer_ = 0;
    static inline const wchar_t* caption_ = L"";
    static inline int button_ = IDOK;
    static inline std::optional<RECT> opened_at_;
};

void pump_messages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class MainWindowTest : public testing::Test {
protected:
    void write_placement(const Placement& placement) {
        Settings settings([] { return ScreenSize{1280, 1024}; });
        settings.load(settings_path);
        settings.set_position_x(placement.x);
        settings.set_position_y(placement.y);
        settings.set_size_x(placement.width);
        settings.set_size_y(placement.height);
        settings.set_maximized(placement.maximized);
        ASSERT_TRUE(settings.save());
    }

    // What a fresh start would read from the settings file.
    Placement saved_placement() const {
        Settings settings([] { return ScreenSize{1280, 1024}; });
        settings.load(settings_path);
        return {settings.position_x(), settings.position_y(), settings.size_x(), settings.size_y(),
                settings.maximized()};
    }

    void create() {
        owner = std::make_unique<FakeOwner>(settings_path);
        ASSERT_TRUE(window.create(*owner, model));
        pump_messages();
    }

    RECT window_rect() const {
        RECT rect{};
        GetWindowRect(window.handle(), &rect);
        return rect;
    }

    TemporaryFolder folder;
    std::wstring settings_path = folder.file(L"settings.xml");
    DataModel model;
    std::unique_ptr<FakeOwner> owner;
    MainWindow window;
};

TEST_F(MainWindowTest, OpensAtTheSavedPlacementWithItsCaptionAndMenu) {
    write_placement({120, 90, 700, 480, false});
    create();
    const RECT rect = window_rect();
    EXPECT_EQ(rect.left, 120);
    EXPECT_EQ(rect.top, 90);
    EXPECT_EQ(rect.right - rect.left, 700);
    EXPECT_EQ(rect.bottom - rect.top, 480);
    EXPECT_TRUE(IsWindowVisible(window.handle()));
    EXPECT_FALSE(IsZoomed(window.handle()));

    wchar_t caption[64]{};
    GetWindowTextW(window.handle(), caption, 64);
    EXPECT_STREQ(caption, L"Hushcloak");
    wchar_t item[64]{};
    GetMenuStringW(GetMenu(window.handle()), ID_HELP_CHECK_FOR_UPDATES, item, 64, MF_BYCOMMAND);
    EXPECT_STREQ(item, L"Check for Updates on Startup");
}

TEST_F(MainWindowTest, OpensMaximisedWhenItWasMaximised) {
    write_placement({120, 90, 700, 480, true});
    create();
    EXPECT_TRUE(IsZoomed(window.handle()));
}

TEST_F(MainWindowTest, MaximisingKeepsTheLastNormalRectangleAndRestoringSavesTheNewOne) {
    write_placement({100, 80, 700, 480, false});
    create();
    MoveWindow(window.handle(), 130, 110, 720, 500, TRUE);
    EXPECT_EQ(saved_placement(), (Placement{130, 110, 720, 500, false}));

    ShowWindow(window.handle(), SW_MAXIMIZE);
    pump_messages();
    EXPECT_EQ(saved_placement(), (Placement{130, 110, 720, 500, true}));

    ShowWindow(window.handle(), SW_RESTORE);
    pump_messages();
    EXPECT_EQ(saved_placement(), (Placement{130, 110, 720, 500, false}));
}

TEST_F(MainWindowTest, MinimisingLeavesTheSavedPlacementAlone) {
    write_placement({100, 80, 700, 480, false});
    create();
    ShowWindow(window.handle(), SW_MINIMIZE);
    pump_messages();
    window.save_placement();
    EXPECT_EQ(saved_placement(), (Placement{100, 80, 700, 480, false}));
}

TEST_F(MainWindowTest, SizingBelowTheMinimumStopsTheDraggedEdge) {
    create();
    RECT proposed{400, 300, 600, 500};
    EXPECT_EQ(
        SendMessageW(window.handle(), WM_SIZING, WMSZ_TOPLEFT, reinterpret_cast<LPARAM>(&proposed)),
        TRUE);
    EXPECT_EQ(proposed.left, 600 - 640);
    EXPECT_EQ(proposed.top, 500 - 400);
    EXPECT_EQ(proposed.right, 600);
    EXPECT_EQ(proposed.bottom, 500);
}

TEST_F(MainWindowTest, ClosingOnlyHidesTheWindow) {
    create();
    SendMessageW(window.handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window.handle()));
    EXPECT_TRUE(IsWindow(window.handle()));
    EXPECT_EQ(owner->shutdowns, 0);
}

TEST_F(MainWindowTest, MenuCommandsHideTheWindowAndAskForTheExit) {
    create();
    SendMessageW(window.handle(), WM_COMMAND, ID_FILE_MINIMIZE_TO_TRAY, 0);
    EXPECT_FALSE(IsWindowVisible(window.handle()));
    SendMessageW(window.handle(), WM_COMMAND, ID_FILE_EXIT, 0);
    EXPECT_EQ(owner->shutdowns, 1);
    EXPECT_FALSE(owner->last_shutdown_silent);
}

TEST_F(MainWindowTest, AHotKeyMessageReachesTheWindowEngine) {
    TargetWindow target(L"Main window test target");
    Group group(3);
    group.add_pattern(Pattern{Pattern::EXACTLY_MATCHES, Pattern::WINDOW_TITLE,
                              L"Main window test target", false});
    model.add_group(group);
    HotKey hide_only;
    hide_only.action = HotKey::HIDE_ONLY;
    hide_only.group_id = 3;
    model.add_hot_key(hide_only);
    create();

    SendMessageW(window.handle(), WM_HOTKEY, hide_only.id, 0);
    pump_messages();
    EXPECT_FALSE(IsWindowVisible(target.handle()));
    EXPECT_TRUE(window.engine().was_hidden_this_session(to_window_handle(target.handle())));
}

TEST_F(MainWindowTest, TheAboutBoxOpensCentredOnTheWindowAndCloses) {
    write_placement({60, 50, 700, 480, false});
    create();
    BoxAnswerer answerer(L"About Hushcloak", IDOK);
    SendMessageW(window.handle(), WM_COMMAND, ID_HELP_ABOUT, 0);
    ASSERT_TRUE(answerer.box_rect());
    const RECT box = *answerer.box_rect();
    const RECT main = window_rect();
    EXPECT_NEAR((box.left + box.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (main.top + main.bottom) / 2, 1);
}

class ExitPromptTest : public MainWindowTest {
protected:
    // Hides the target as a hot key would, and lets the engine see it hidden.
    void hide_target() {
        create();
        const int index = model.windows.find_index(to_window_handle(target.handle()));
        ASSERT_GE(index, 0);
        window.engine().hide_window(index, -1);
        window.engine().enumerate_windows();
        ASSERT_FALSE(IsWindowVisible(target.handle()));
    }

    TargetWindow target{L"Main window exit target"};
};

TEST_F(ExitPromptTest, WithoutHiddenWindowsNothingIsAsked) {
    create();
    BoxAnswerer answerer(L"Hidden Windows", IDCANCEL);
    EXPECT_TRUE(window.confirm_exit(false));
    EXPECT_FALSE(answerer.box_rect());
}

TEST_F(ExitPromptTest, YesShowsTheWindowsHiddenThisSession) {
    hide_target();
    BoxAnswerer answerer(L"Hidden Windows", IDYES);
    EXPECT_TRUE(window.confirm_exit(false));
    EXPECT_TRUE(answerer.box_rect());
    EXPECT_TRUE(IsWindowVisible(target.handle()));
}

TEST_F(ExitPromptTest, NoLeavesThemHidden) {
    hide_target();
    BoxAnswerer answerer(L"Hidden Windows", IDNO);
    EXPECT_TRUE(window.confirm_exit(false));
    EXPECT_FALSE(IsWindowVisible(target.handle()));
}

TEST_F(ExitPromptTest, CancelKeepsTheProgramRunningWithItsTimers) {
    hide_target();
    BoxAnswerer answerer(L"Hidden Windows", IDCANCEL);
    EXPECT_FALSE(window.confirm_exit(false));
    EXPECT_FALSE(window.exiting());
    EXPECT_FALSE(IsWindowVisible(target.handle()));
}

TEST_F(ExitPromptTest, ASilentExitShowsThemWithoutAsking) {
    hide_target();
    BoxAnswerer answerer(L"Hidden Windows", IDNO);
    EXPECT_TRUE(window.confirm_exit(true));
    EXPECT_FALSE(answerer.box_rect());
    EXPECT_TRUE(IsWindowVisible(target.handle()));
}

} // namespace
