#include "app/main_dialog_keys_win.h"
#include "page_fixture_win.h"

namespace {

constexpr int VISIBLE = 0;
constexpr int HIDDEN = 1;
constexpr int GROUPS = 2;
constexpr int TIMERS = 4;

INPUT key_input(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    return input;
}

// The pages in the main dialog, worked with real key presses that pass the program's message
// loop.
class MainDialogKeys : public PageTest {
protected:
    void SetUp() override {
        notes = add_window(L"Notes - Editor");
        browser = add_window(L"Start Page - Browser");
        add_group(L"Work", L"Editor");
        create_pages();
        SetForegroundWindow(host.main_dialog());
        SetFocus(host.tab_control());
    }

    // Presses the keys together and lets them go in reverse order, as a user would; returns
    // once the last key pressed and then the first one released have passed the loop.
    void press(std::initializer_list<WORD> keys) {
        std::vector<INPUT> downs;
        std::vector<INPUT> ups;
        for (const WORD key : keys) {
            downs.push_back(key_input(key, 0));
            ups.insert(ups.begin(), key_input(key, KEYEVENTF_KEYUP));
        }
        SendInput(static_cast<UINT>(downs.size()), downs.data(), sizeof(INPUT));
        run_loop_until(WM_KEYDOWN, *std::rbegin(keys));
        SendInput(static_cast<UINT>(ups.size()), ups.data(), sizeof(INPUT));
        run_loop_until(WM_KEYUP, *keys.begin());
    }

    // The program's message loop, until the key message (or its Alt form) has been handled.
    void run_loop_until(UINT key_message, WORD key) const {
        const ULONGLONG deadline = GetTickCount64() + 30000;
        MSG message{};
        while (GetTickCount64() < deadline) {
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
                continue;
            }
            const bool awaited = (message.message == key_message ||
                                  message.message == key_message + WM_SYSKEYDOWN - WM_KEYDOWN) &&
                                 message.wParam == key;
            if (!translate_main_dialog_message(host.main_dialog(), message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            if (awaited) {
                return;
            }
        }
        ADD_FAILURE() << "key " << key << " did not reach the message loop";
    }

    // The screen rectangle of a list's row.
    RECT row_on_screen(int page, int row) const {
        RECT rect{};
        ListView_GetItemRect(list(page), row, &rect, LVIR_BOUNDS);
        MapWindowPoints(list(page), nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    WindowHandle notes = 0;
    WindowHandle browser = 0;
};

TEST_F(MainDialogKeys, TabsCtrlTabEnterMnemonicsAndTheMenuKeysWorkThePages) {
    const HWND tabs = host.tab_control();
    // Tab and Shift+Tab go round the tab control and the page's enabled controls.
    press({VK_TAB});
    EXPECT_EQ(GetFocus(), control(VISIBLE, IDC_SEARCH_FILTER));
    press({VK_TAB});
    EXPECT_EQ(GetFocus(), list(VISIBLE));
    press({VK_SHIFT, VK_TAB});
    press({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), tabs);
    press({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), control(VISIBLE, IDC_HIDE_ALL)) << "the last button enabled";
    press({VK_TAB});
    EXPECT_EQ(GetFocus(), tabs);

    // Ctrl+Tab and Ctrl+Shift+Tab step through the pages, round from either end.
    press({VK_CONTROL, VK_TAB});
    EXPECT_EQ(host.pages.current_index(), HIDDEN);
    EXPECT_TRUE(IsWindowVisible(page_window(HIDDEN)));
    press({VK_CONTROL, VK_SHIFT, VK_TAB});
    press({VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_EQ(host.pages.current_index(), TIMERS);
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), TIMERS);
    press({VK_CONTROL, VK_TAB});
    EXPECT_EQ(host.pages.current_index(), VISIBLE);

    // Enter runs a list's default action.
    SetFocus(list(VISIBLE));
    select_row(VISIBLE, {0});
    press({VK_RETURN});
    EXPECT_EQ(system.foreground_requests, std::vector<WindowHandle>{notes});

    // Shift+F10 and the menu key open the list's menu under its focused row, on every page.
    select_row(VISIBLE, {0, 1});
    ListView_SetItemState(list(VISIBLE), 0, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(choose_from_menu_of(
                  [this] {
                      press({VK_SHIFT, VK_F10});
                  },
                  -1),
              (Texts{L"Hide Windows", L"Hide All Except These Windows"}));
    EXPECT_EQ(menu_rect.top, row_on_screen(VISIBLE, 0).bottom);
    host.pages.switch_to_tab(GROUPS);
    SetFocus(list(GROUPS));
    select_row(GROUPS, {0});
    EXPECT_EQ(choose_from_menu_of([this] { press({VK_APPS}); }, -1).front(), L"&Edit Group");
    EXPECT_EQ(menu_rect.top, row_on_screen(GROUPS, 0).bottom);

    // Alt+H presses "&Hide Selected"; no menu opens.
    host.pages.switch_to_tab(VISIBLE);
    SetFocus(list(VISIBLE));
    select_row(VISIBLE, {1});
    EXPECT_EQ(choose_from_menu_of([this] { press({VK_MENU, 'H'}); }, -1), Texts{});
    EXPECT_TRUE(is_hidden(browser) && !is_hidden(notes));
    host.pages.switch_to_tab(HIDDEN);
    SetFocus(list(HIDDEN));
    select_row(HIDDEN, {0});
    press({VK_RETURN});
    EXPECT_FALSE(is_hidden(browser));
}

} // namespace
