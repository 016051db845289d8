#include "engine/window_system_win.h"

#include "engine/fake_engine_host.h"
#include "engine/fake_waiter.h"
#include "engine/file_name_of.h"
#include "engine/window_engine.h"
#include "model/data_model.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>

namespace {

// A top-level window of the test's own thread; the system reports it like any other. An owned
// one is a pop-up window, as dialogs and message boxes are.
class TestWindow {
public:
    explicit TestWindow(const std::wstring& title, HWND owner = nullptr, int show = SW_SHOWNORMAL)
        : window_(CreateWindowExW(0, L"STATIC", title.c_str(),
                                  owner ? WS_POPUPWINDOW | WS_CAPTION : WS_OVERLAPPEDWINDOW, 20, 20,
                                  240, 120, owner, nullptr, GetModuleHandleW(nullptr), nullptr)) {
        ShowWindow(window_, show);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow() { DestroyWindow(window_); }

    HWND hwnd() const { return window_; }
    WindowHandle handle() const { return to_window_handle(window_); }

private:
    HWND window_;
};

void process_pending_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::wstring lower_case(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

} // namespace

TEST(Win32WindowSystem, ListsTopLevelWindowsInZOrderWithTheirOwnerTitleAndPlacement) {
    Win32WindowSystem system;
    TestWindow owner(L"Owner", nullptr, SW_SHOWMINNOACTIVE);
    TestWindow owned(L"Owned", owner.hwnd());
    TestWindow hidden(L"Hidden", nullptr, SW_HIDE);

    std::vector<WindowHandle> z_order;
    for (HWND window = GetTopWindow(nullptr); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        z_order.push_back(to_window_handle(window));
    }
    const auto windows = system.top_level_windows();
    EXPECT_EQ(windows, z_order);
    EXPECT_NE(std::find(windows.begin(), windows.end(), owned.handle()), windows.end());

    EXPECT_EQ(system.parent(owned.handle()), owner.handle());
    EXPECT_EQ(system.parent(owner.handle()), 0u);
    EXPECT_TRUE(system.is_visible(owner.handle()));
    EXPECT_EQ(system.placement_show_state(owner.handle()), SW_SHOWMINIMIZED);
    EXPECT_FALSE(system.is_visible(hidden.handle()));
    EXPECT_EQ(system.title(owner.handle()), L"Owner");
    SetWindowTextW(owner.hwnd(), std::wstring(5000, L'w').c_str());
    EXPECT_EQ(system.title(owner.handle()), std::wstring(4095, L'w'));
    SetWindowTextW(owner.hwnd(), L"");
    EXPECT_EQ(system.title(owner.handle()), L"");
    EXPECT_EQ(system.process_image_path(0), L"");
}

TEST(Win32WindowSystem, AnswersSafelyForAWindowThatIsGone) {
    Win32WindowSystem system;
    WindowHandle gone = 0;
    {
        TestWindow window(L"Closed");
        gone = window.handle();
    }

    EXPECT_EQ(system.title(gone), L"");
    EXPECT_FALSE(system.is_visible(gone));
    EXPECT_FALSE(system.placement_show_state(gone));
    EXPECT_EQ(system.process_id(gone), 0u);
}

TEST(Win32WindowSystem, TheEngineListsAndHidesRealWindowsButNotTheMainWindowsOwn) {
    TestWindow main_window(L"Hushcloak");
    TestWindow message_box(L"Hot Key Error", main_window.hwnd());
    TestWindow target(L"Engine Target Window", nullptr, SW_SHOWMAXIMIZED);
    DataModel model;
    Win32WindowSystem system;
    FakeEngineHost host;
    host.main = main_window.handle();
    FakeWaiter waiter;
    WindowEngine engine(model, system, host, waiter);

    engine.enumerate_windows();

    EXPECT_EQ(model.windows.find_index(main_window.handle()), -1);
    EXPECT_EQ(model.windows.find_index(message_box.handle()), -1);
    const int index = model.windows.find_index(target.handle());
    ASSERT_GE(index, 0);
    const auto record = model.windows.record(index);
    EXPECT_EQ(record.title, L"Engine Target Window");
    EXPECT_EQ(lower_case(record.image_name), L"win_tests.exe");
    EXPECT_EQ(record.show_cmd, SW_SHOWMAXIMIZED);

    // Hiding and showing go through the window's own thread without waiting for it.
    engine.hide_window(index, HiddenWindowRegister::NO_OWNER);
    process_pending_messages();
    engine.enumerate_windows();
    const int hidden_index = model.windows.find_index(target.handle());
    EXPECT_FALSE(model.windows.record(hidden_index).visible);
    EXPECT_EQ(model.windows.record(hidden_index).show_cmd, SW_SHOW);

    engine.show_window(hidden_index);
    process_pending_messages();
    EXPECT_TRUE(IsWindowVisible(target.hwnd()));
    EXPECT_TRUE(IsZoomed(target.hwnd()));
}
