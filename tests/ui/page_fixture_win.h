#pragma once

#include "engine/fake_clock.h"
#include "engine/fake_waiter.h"
#include "engine/fake_window_system.h"
#include "engine/window_system_win.h"
#include "harness/screenshot_win.h"
#include "pages_resource.h"
#include "resource.h"
#include "ui/list_rows_win.h"
#include "ui/modal_script_win.h"
#include "ui/page_host_win.h"
#include "ui/tab_pages_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

using Texts = std::vector<std::wstring>;

inline Pattern title_contains(const std::wstring& phrase) {
    return {.compare = Pattern::CONTAINS, .applies_to = Pattern::WINDOW_TITLE, .phrase = phrase};
}

// Saves a picture of the screen once the window is fully painted, for a person to judge.
inline void screenshot(HWND window, const std::wstring& name) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    harness::save_screenshot(name);
}

// The program's real main dialog over fake foreign windows, as the pages and the window engine
// see it. Every question gets `answer`; their captions are kept.
class PageHost final : public engine::page_host, public engine::engine_host {
public:
    PageHost(DataModel& model, engine::window_system& windows, engine::waiter& waiter)
        : engine_(model, windows, *this, waiter), windows_(windows),
          scheduler_(model, engine_, *this, wall_clock) {
        ShowWindow(dialog_, SW_SHOWNORMAL);
    }
    ~PageHost() override {
        pages.destroy();
        DestroyWindow(dialog_);
    }

    HWND tab_control() const { return GetDlgItem(dialog_, IDC_MAIN_TABS); }
    HWND frame() const { return GetDlgItem(dialog_, IDC_MAIN_FRAME); }

    HWND main_dialog() const override { return dialog_; }
    bool main_window_shown() const override { return true; }
    void hide_main_window() override { ++main_window_hides; }
    WindowEngine& window_engine() override { return engine_; }
    engine::window_system& windows() override { return windows_; }
    TimerScheduler& timer_scheduler() override { return scheduler_; }
    const engine::local_clock& clock() const override { return wall_clock; }
    const ListDrawingResources& list_drawing() const override { return drawing_; }
    int current_tab_index() const override { return pages.current_index(); }
    bool switch_to_tab(int index) override { return pages.switch_to_tab(index); }
    void save_changes() override {}
    bool ask_yes_no(const std::wstring& caption, const std::wstring&) override {
        questions.push_back(caption);
        return answer;
    }

    WindowHandle main_window() const override { return to_window_handle(dialog_); }
    bool exiting() const override { return false; }
    void refresh_current_page() override { current_page_do(&engine::TabView::refresh_windows); }
    void rebuild_current_page() override { current_page_do(&engine::TabView::refresh); }
    void stop_refresh_timer() override {}
    void start_refresh_timer() override {}

    engine::TabPages pages;
    // The local time the timers and the timer editor see.
    FakeClock wall_clock;
    int main_window_hides = 0;
    bool answer = false;
    Texts questions;

private:
    // A click on a tab makes its page current, as in the program.
    static INT_PTR CALLBACK dialog_procedure(HWND dialog, UINT message, WPARAM, LPARAM lparam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, GWLP_USERDATA, lparam);
        } else if (message == WM_NOTIFY &&
                   reinterpret_cast<NMHDR*>(lparam)->code == TCN_SELCHANGE) {
            auto* host = reinterpret_cast<PageHost*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
            host->pages.select_tab(TabCtrl_GetCurSel(reinterpret_cast<NMHDR*>(lparam)->hwndFrom));
        }
        return FALSE;
    }
    void current_page_do(void (engine::TabView::*action)()) {
        if (auto* page = pages.current_page()) {
            (page->*action)();
        }
    }

    HWND dialog_ =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), nullptr,
                           &PageHost::dialog_procedure, reinterpret_cast<LPARAM>(this));
    ListDrawingResources drawing_;
    WindowEngine engine_;
    engine::window_system& windows_;
    TimerScheduler scheduler_;
};

// The five pages in a main dialog over fake foreign windows, and the ways a user works them.
class PageTest : public ::testing::Test {
protected:
    enum PageIndex { VISIBLE, HIDDEN, GROUPS, HOT_KEYS, TIMERS };

    // Takes a snapshot of the fake windows and builds the pages on it.
    void create_pages() {
        host.window_engine().enumerate_windows();
        ASSERT_TRUE(host.pages.create_pages(host, host.tab_control(), model));
        host.pages.layout(host.main_dialog(), host.frame());
    }
    WindowHandle add_window(const std::wstring& title, int show_state = show_command::NORMAL) {
        system.set_process_image(++process_, L"\\Device\\HarddiskVolume1\\app.exe");
        return system.add_window({title, true, show_state, 0, process_});
    }
    void add_group(const std::wstring& name, const std::wstring& phrase) {
        Group group(model.next_group_id());
        group.set_name(name);
        group.add_pattern(title_contains(phrase));
        model.add_group(group);
    }
    bool is_hidden(WindowHandle window) { return !system.window(window).visible; }

    HWND page_window(int page) const { return host.pages.page(page)->window_handle(); }
    HWND control(int page, int id) const { return GetDlgItem(page_window(page), id); }
    HWND list(int page) const { return control(page, list_id(page)); }
    static int list_id(int page) {
        return page <= HIDDEN
                   ? IDC_WINDOW_LIST
                   : std::vector{IDC_GROUP_LIST, IDC_HOT_KEY_LIST, IDC_TIMER_LIST}[page - 2];
    }
    void click(int page, int button) const { SendMessageW(control(page, button), BM_CLICK, 0, 0); }
    bool enabled(int page, int button) const { return IsWindowEnabled(control(page, button)); }
    void press_key(int page, WORD key) const { SendMessageW(list(page), WM_KEYDOWN, key, 0); }

    Texts column(int page, int column_index = 0) const {
        Texts texts;
        for (int row = 0; row < ListView_GetItemCount(list(page)); ++row) {
            wchar_t text[1024] = {};
            ListView_GetItemText(list(page), row, column_index, text, 1024);
            texts.push_back(text);
        }
        return texts;
    }

    // Selects exactly the rows at these positions at once, as clicks with Ctrl held would.
    void select_row(int page, std::initializer_list<int> rows = {}) const {
        ListView_SetItemState(list(page), -1, 0, LVIS_SELECTED);
        for (const int row : rows) {
            ListView_SetItemState(list(page), row, LVIS_SELECTED | LVIS_FOCUSED,
                                  LVIS_SELECTED | LVIS_FOCUSED);
        }
    }

    // The list's own notification of a mouse action on a row or beside the rows.
    void notify_list(int page, UINT code, int row = -1) const {
        NMITEMACTIVATE activation{};
        activation.hdr = {list(page), static_cast<UINT_PTR>(list_id(page)), code};
        activation.iItem = row;
        SendMessageW(page_window(page), WM_NOTIFY, activation.hdr.idFrom,
                     reinterpret_cast<LPARAM>(&activation));
    }

    // Right-clicks the list and chooses the context menu's item at `position` (-1 closes it);
    // returns the menu's item texts, separators as empty texts.
    Texts choose_from_menu(int page, int position, int row = -1) const {
        return choose_from_menu_of([&] { notify_list(page, NM_RCLICK, row); }, position);
    }
    // The same for a menu that `open` opens; menu_rect is then where it was shown.
    Texts choose_from_menu_of(const std::function<void()>& open, int position) const {
        menu_position_ = position;
        menu_items_.clear();
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &PageTest::work_menu);
        open();
        KillTimer(nullptr, timer);
        return menu_items_;
    }
    static inline RECT menu_rect{};

    // Whether some window holds the combination now: this thread cannot register it then.
    static bool held(UINT modifiers, UINT key) {
        const bool free = RegisterHotKey(nullptr, 1, modifiers, key) != FALSE;
        UnregisterHotKey(nullptr, 1);
        return !free;
    }

    ModalScript script;
    DataModel model;
    FakeWindowSystem system;
    FakeWaiter waiter;
    PageHost host{model, system, waiter};

private:
    // Reads the open menu's items, then walks to the chosen one with the keyboard.
    static void CALLBACK work_menu(HWND, UINT, UINT_PTR, DWORD) {
        const HWND menu_window = FindWindowW(L"#32768", nullptr);
        if (menu_window == nullptr || !menu_items_.empty()) {
            return;
        }
        GetWindowRect(menu_window, &menu_rect);
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(menu_window, MN_GETHMENU, 0, 0));
        for (int item = 0; item < GetMenuItemCount(menu); ++item) {
            wchar_t text[100] = {};
            GetMenuStringW(menu, static_cast<UINT>(item), text, 100, MF_BYPOSITION);
            menu_items_.push_back(text);
            if (item <= menu_position_ && text[0] != L'\0') {
                PostMessageW(menu_window, WM_KEYDOWN, VK_DOWN, 0);
            }
        }
        // Ended rather than escaped from, which would leave a menu bar in menu mode.
        menu_position_ < 0 ? EndMenu() : PostMessageW(menu_window, WM_KEYDOWN, VK_RETURN, 0);
    }

    static inline int menu_position_ = -1;
    static inline Texts menu_items_;
    std::uint32_t process_ = 100;
};
