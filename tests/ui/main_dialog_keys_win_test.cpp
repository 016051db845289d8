#include "app/main_dialog_keys_win.h"
#include "harness/key_presses_win.h"
#include "page_fixture_win.h"

namespace {

// The pages in the main dialog, worked with real key presses.
class MainDialogKeys : public PageTest {
protected:
    void SetUp() override {
        notes = add_window(L"Notes - Editor");
        browser = add_window(L"Start Page - Browser");
        add_group(L"Work", L"Editor");
        create_pages();
        SetForegroundWindow(host.main_dialog());
        SetFocus(list(TIMERS)); // where the making of the pages leaves it in the program
        host.pages.select_tab(VISIBLE);
    }

    // Real key presses, through the body of the program's message loop.
    void press(std::initializer_list<WORD> keys) {
        EXPECT_TRUE(harness::press_keys(keys, [this](MSG& message) {
            if (!translate_main_dialog_message(host.main_dialog(), message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }));
    }

    WindowHandle notes = 0, browser = 0;
};

TEST_F(MainDialogKeys, TabsCtrlTabEnterMnemonicsAndTheMenuKeysWorkThePages) {
    EXPECT_EQ(GetFocus(), host.tab_control()) << "not left behind on a hidden page";
    // Tab and Shift+Tab go round the tab control and the page's enabled controls.
    press({VK_TAB});
    EXPECT_EQ(GetFocus(), control(VISIBLE, IDC_SEARCH_FILTER));
    press({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), host.tab_control());
    press({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), control(VISIBLE, IDC_HIDE_ALL)) << "the last button enabled";
    press({VK_TAB});
    EXPECT_EQ(GetFocus(), host.tab_control());

    // Ctrl+Tab and Ctrl+Shift+Tab step through the pages, round from either end.
    press({VK_CONTROL, VK_TAB});
    EXPECT_TRUE(host.pages.current_index() == HIDDEN && IsWindowVisible(page_window(HIDDEN)));
    press({VK_CONTROL, VK_SHIFT, VK_TAB});
    press({VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_EQ(host.pages.current_index(), TIMERS);

    // Enter runs a list's default action.
    host.pages.switch_to_tab(VISIBLE);
    SetFocus(list(VISIBLE));
    select_row(VISIBLE, {0});
    press({VK_RETURN});
    EXPECT_EQ(system.foreground_requests, std::vector<WindowHandle>{notes});

    // Shift+F10 and the menu key open the list's menu under its focused row, on every page.
    select_row(VISIBLE, {0, 1});
    ListView_SetItemState(list(VISIBLE), 0, LVIS_FOCUSED, LVIS_FOCUSED);
    const auto shift_f10 = [this] { press({VK_SHIFT, VK_F10}); };
    EXPECT_EQ(choose_from_menu_of(shift_f10, -1).front(), L"Hide Windows");
    RECT row{};
    ListView_GetItemRect(list(VISIBLE), 0, &row, LVIR_BOUNDS);
    MapWindowPoints(list(VISIBLE), nullptr, reinterpret_cast<POINT*>(&row), 2);
    EXPECT_EQ(menu_rect.top, row.bottom);
    host.pages.switch_to_tab(GROUPS);
    EXPECT_EQ(choose_from_menu_of([this] { press({VK_APPS}); }, -1).front(), L"&Edit Group");

    // Alt+H presses "&Hide Selected"; no menu opens.
    host.pages.switch_to_tab(VISIBLE);
    SetFocus(list(VISIBLE));
    select_row(VISIBLE, {1});
    EXPECT_EQ(choose_from_menu_of([this] { press({VK_MENU, 'H'}); }, -1), Texts{});
    EXPECT_TRUE(is_hidden(browser) && !is_hidden(notes));
}

} // namespace
