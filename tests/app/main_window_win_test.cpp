#include "app/main_window_win.h"

#include "app/main_window_fixture_win.h"
#include "resource.h"
#include "ui/gdi_handles_win.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

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
UniqueWindow make_target(const wchar_t* title) {
    return UniqueWindow(CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                                        10, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr),
                                        nullptr));
}

RECT rect_of(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// What a fresh start would read from the settings file.
Placement saved_placement(const std::wstring& settings_path) {
    Settings settings([] { return ScreenSize{1280, 1024}; });
    settings.load(settings_path);
    return {settings.position_x(), settings.position_y(), settings.size_x(), settings.size_y(),
            settings.maximized()};
}

TEST_F(MainWindowTest, SavesTheLastNormalRectangleWhetherMaximisedOrNotButNotWhenMinimised) {
    create();
    wchar_t item[64]{};
    GetMenuStringW(GetMenu(window.handle()), ID_HELP_CHECK_FOR_UPDATES, item, 64, MF_BYCOMMAND);
    EXPECT_STREQ(item, L"Check for Updates on Startup");

    MoveWindow(window.handle(), 130, 110, 720, 500, TRUE);
    EXPECT_EQ(saved_placement(settings_path), (Placement{130, 110, 720, 500, false}));

    ShowWindow(window.handle(), SW_MAXIMIZE);
    pump_messages();
    EXPECT_EQ(saved_placement(settings_path), (Placement{130, 110, 720, 500, true}));

    ShowWindow(window.handle(), SW_RESTORE);
    pump_messages();
    EXPECT_EQ(saved_placement(settings_path), (Placement{130, 110, 720, 500, false}));

    ShowWindow(window.handle(), SW_MINIMIZE);
    pump_messages();
    window.save_placement();
    EXPECT_EQ(saved_placement(settings_path), (Placement{130, 110, 720, 500, false}));
}

TEST_F(MainWindowTest, TheAboutBoxOpensCentredOnTheWindowAndCloses) {
    create();
    // Off the screen's centre, where a box would open by default.
    MoveWindow(window.handle(), 60, 50, 700, 480, TRUE);
    RECT box{};
    ModalScript script;
    script.on(L"About Hushcloak", [&](HWND about) {
        box = rect_of(about);
        user::click(about, IDOK);
    });
    SendMessageW(window.handle(), WM_COMMAND, ID_HELP_ABOUT, 0);
    ASSERT_TRUE(script.finished());
    const RECT main = rect_of(window.handle());
    EXPECT_NEAR((box.left + box.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (main.top + main.bottom) / 2, 1);
}

TEST(ExitPrompt, OffersToShowTheWindowsHiddenThisSession) {
    const struct {
        const char* what;
        bool hide_target;
        bool silent;
        int answer;
        bool asked, goes_ahead, target_shown;
    } cases[] = {
        {"nothing hidden: nothing is asked", false, false, IDCANCEL, false, true, true},
        {"Yes shows them", true, false, IDYES, true, true, true},
        {"No leaves them hidden", true, false, IDNO, true, true, false},
        {"Cancel keeps the program running", true, false, IDCANCEL, true, false, false},
        {"a silent exit shows them without asking", true, true, IDNO, false, true, true},
    };
    TemporaryFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const UniqueWindow target = make_target(L"Main window exit target");
        DataModel model;
        FakeMainWindowOwner owner(folder.file(L"settings.xml"));
        MainWindow window;
        ASSERT_TRUE(window.create(owner, model));
        if (c.hide_target) {
            const int index = model.windows.find_index(to_window_handle(target.get()));
            ASSERT_GE(index, 0);
            window.engine().hide_window(index, -1);
            window.engine().enumerate_windows();
            ASSERT_FALSE(IsWindowVisible(target.get()));
        }

        ModalScript script;
        script.on(L"Hidden Windows", [&](HWND box) { user::click(box, c.answer); });
        EXPECT_EQ(window.confirm_exit(c.silent), c.goes_ahead);

        EXPECT_EQ(script.seen().size(), c.asked ? 1u : 0u);
        EXPECT_EQ(window.exiting(), c.goes_ahead);
        EXPECT_EQ(IsWindowVisible(target.get()) != FALSE, c.target_shown);
    }
}

} // namespace
