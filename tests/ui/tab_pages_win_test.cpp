#include "page_fixture_win.h"

#include "menu_choice_win.h"

#include "hotkeys/key_names.h"
#include "model/group.h"
#include "model/hot_key.h"
#include "model/visibility_timer.h"
#include "ui/gdi_handles_win.h"

#include <functional>

namespace {

using Titles = std::vector<std::wstring>;
constexpr int VISIBLE = 0;
constexpr int HIDDEN = 1;
constexpr int GROUPS = 2;
constexpr int HOT_KEYS = 3;
constexpr int TIMERS = 4;

std::wstring tab_caption(HWND tab_control, int index) {
    wchar_t text[600] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 600;
    TabCtrl_GetItem(tab_control, index, &item);
    return text;
}

COLORREF rgb_of(COLORREF colour) {
    return colour & 0xFFFFFF;
}

// A pixel of the list as it is on the screen once it has painted itself.
COLORREF screen_pixel(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const HDC dc = GetDC(window);
    const COLORREF colour = rgb_of(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return colour;
}

class TabPagesTest : public PageTest {
protected:
    // The colour of a row's background at the right end of its last column, beyond the short
    // image names.
    COLORREF row_background(int page, int row) const {
        RECT item{};
        ListView_GetItemRect(list(page), row, &item, LVIR_BOUNDS);
        return screen_pixel(list(page), item.right - 8, (item.top + item.bottom) / 2);
    }
};

TEST_F(TabPagesTest, FivePagesWithTheirCaptionsPageZeroCurrent) {
    create_pages();
    ASSERT_EQ(TabCtrl_GetItemCount(host.tab_control()), 5);
    const Titles captions{L" Visible Windows ", L" Hidden Windows ", L" Window Groups ",
                          L" Hot Keys ", L" Visibility Timers "};
    for (int page = 0; page < 5; ++page) {
        EXPECT_EQ(tab_caption(host.tab_control(), page), captions[static_cast<std::size_t>(page)]);
        EXPECT_EQ(host.pages.page(page)->title(), captions[static_cast<std::size_t>(page)]);
        EXPECT_EQ(IsWindowVisible(page_window(page)) != FALSE, page == VISIBLE);
    }
    EXPECT_EQ(host.pages.current_index(), VISIBLE);
}

TEST_F(TabPagesTest, SelectTabShowsOnePageAndIgnoresIndicesOutOfRange) {
    create_pages();
    host.pages.select_tab(TIMERS);
    EXPECT_EQ(host.pages.current_index(), TIMERS);
    for (int page = 0; page < 5; ++page) {
        EXPECT_EQ(IsWindowVisible(page_window(page)) != FALSE, page == TIMERS);
    }
    host.pages.select_tab(5);
    host.pages.select_tab(-1);
    EXPECT_EQ(host.pages.current_index(), TIMERS);
}

TEST_F(TabPagesTest, PagesFillTheTabControlBelowItsHeaders) {
    create_pages();
    RECT client{};
    GetClientRect(host.main_dialog(), &client);
    const auto tabs = control_rect(host.tab_control());
    EXPECT_EQ(tabs, (PixelRect{16, 16, client.right - 32, client.bottom - 32}));
    EXPECT_EQ(control_rect(host.frame()), (PixelRect{6, 0, client.right - 12, client.bottom - 6}));
    RECT header{};
    TabCtrl_GetItemRect(host.tab_control(), 0, &header);
    RECT area{};
    GetClientRect(host.tab_control(), &area);
    const int top = area.top + header.bottom - header.top + 2;
    for (int page = 0; page < 5; ++page) {
        EXPECT_EQ(control_rect(page_window(page)),
                  (PixelRect{area.left, top, area.right - area.left - 1, area.bottom - top - 1}));
    }
}

TEST_F(TabPagesTest, WindowPageLaysOutItsListAndButtonRow) {
    add_window(L"Editor");
    create_pages();
    RECT page{};
    GetClientRect(page_window(VISIBLE), &page);
    const auto list_rect = control_rect(list(VISIBLE));
    EXPECT_EQ(list_rect.width, page.right - 16);
    EXPECT_EQ(list_rect.height, page.bottom - list_rect.y - 40);
    const auto hide_selected = control_rect(control(VISIBLE, IDC_HIDE_SELECTED));
    const auto hide_all_but = control_rect(control(VISIBLE, IDC_HIDE_ALL_BUT_SELECTED));
    const auto hide_all = control_rect(control(VISIBLE, IDC_HIDE_ALL));
    const auto activate = control_rect(control(VISIBLE, IDC_ACTIVATE_WINDOW));
    EXPECT_EQ(hide_selected.x, 8);
    EXPECT_EQ(hide_selected.y, page.bottom - 32);
    EXPECT_EQ(hide_selected.height, 24);
    EXPECT_EQ(hide_all_but.x, hide_selected.right() + 4);
    EXPECT_EQ(hide_all.x, hide_all_but.right() + 4);
    EXPECT_EQ(activate.right(), list_rect.right());
    EXPECT_EQ(ListView_GetColumnWidth(list(VISIBLE), 0),
              static_cast<int>(0.7f * static_cast<float>(list_rect.width)));
    const auto show_all = control_rect(control(HIDDEN, IDC_SHOW_ALL));
    EXPECT_EQ(control_rect(control(HIDDEN, IDC_LIST_ALL_HIDDEN)).x, show_all.right() + 8);
}

TEST_F(TabPagesTest, RowsAreAsHighAsTheRowFontPlusThree) {
    add_window(L"Editor");
    create_pages();
    const int expected = measure_list_row(page_window(VISIBLE), host.list_drawing());
    RECT item{};
    ListView_GetItemRect(list(VISIBLE), 0, &item, LVIR_BOUNDS);
    EXPECT_EQ(item.bottom - item.top, expected);
    EXPECT_GE(expected, 14);
}

TEST_F(TabPagesTest, StripesFollowDisplayPositionsAfterSorting) {
    for (const auto* title : {L"Delta", L"alpha", L"Charlie", L"bravo", L"_echo"}) {
        add_window(title);
    }
    create_pages();
    for (int clicks = 0; clicks < 2; ++clicks) {
        const auto before = column(VISIBLE);
        click_header(VISIBLE, 0);
        EXPECT_NE(column(VISIBLE), before);
        for (int row = 0; row < 5; ++row) {
            EXPECT_EQ(row_background(VISIBLE, row), row % 2 == 0
                                                        ? ListDrawingResources::EVEN_ROW_COLOUR
                                                        : ListDrawingResources::ODD_ROW_COLOUR)
                << "row " << row;
        }
    }
}

TEST_F(TabPagesTest, SelectedRowsAreDrawnAsADarkBar) {
    add_window(L"alpha");
    add_window(L"bravo");
    create_pages();
    select(VISIBLE, {L"bravo"});
    EXPECT_EQ(row_background(VISIBLE, 0), ListDrawingResources::EVEN_ROW_COLOUR);
    EXPECT_EQ(row_background(VISIBLE, 1), ListDrawingResources::SELECTED_ROW_COLOUR);
}

TEST_F(TabPagesTest, UnderscoresSortBeforeLettersAndCaseIsFolded) {
    for (const auto* title : {L"beta", L"_under", L"Alpha", L"ALPHA"}) {
        add_window(title);
    }
    create_pages();
    const auto titles = column(VISIBLE);
    ASSERT_EQ(titles.size(), 4u);
    EXPECT_EQ(titles[0], L"_under");
    EXPECT_EQ(titles[3], L"beta");
}

TEST_F(TabPagesTest, ADrawRequestForARowWhoseRecordIsGoneIsRefused) {
    add_window(L"alpha");
    create_pages();
    const HWND list_window = list(VISIBLE);
    const HDC screen = GetDC(list_window);
    const HDC dc = CreateCompatibleDC(screen);
    UniqueGdiObject bitmap(CreateCompatibleBitmap(screen, 50, 20));
    ReleaseDC(list_window, screen);
    {
        ScopedSelection selection(dc, bitmap.get());
        RECT all{0, 0, 50, 20};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        DRAWITEMSTRUCT request{};
        request.CtlType = ODT_LISTVIEW;
        request.hwndItem = list_window;
        request.itemID = 0;
        request.itemAction = ODA_DRAWENTIRE;
        request.hDC = dc;
        request.rcItem = all;
        request.itemData = static_cast<ULONG_PTR>(model.windows.count());
        EXPECT_FALSE(draw_list_row(list_window, host.list_drawing(), request, model.windows.count(),
                                   [](int, int) { return L"x"; }));
        EXPECT_EQ(rgb_of(GetPixel(dc, 25, 10)), RGB(0, 0, 0));

        request.itemData = 0;
        request.itemAction = ODA_FOCUS;
        EXPECT_TRUE(draw_list_row(list_window, host.list_drawing(), request, model.windows.count(),
                                  [](int, int) { return L"x"; }));
        EXPECT_EQ(rgb_of(GetPixel(dc, 25, 10)), RGB(0, 0, 0));

        request.itemAction = ODA_DRAWENTIRE;
        EXPECT_TRUE(draw_list_row(list_window, host.list_drawing(), request, model.windows.count(),
                                  [](int, int) { return L""; }));
        EXPECT_EQ(rgb_of(GetPixel(dc, 25, 10)), ListDrawingResources::EVEN_ROW_COLOUR);
    }
    DeleteDC(dc);
}

TEST_F(TabPagesTest, ModelPagesListTheirEntriesInModelOrder) {
    Group work(0);
    work.set_name(L"Work");
    Group games(1);
    games.set_name(L"Games");
    model.add_group(work);
    model.add_group(games);
    HotKey hot_key;
    hot_key.group_id = 1;
    hot_key.mod_ctrl = true;
    hot_key.key_code = 'G';
    hot_key.action = HotKey::HIDE_ONLY;
    model.add_hot_key(hot_key);
    VisibilityTimer timer;
    timer.group_id = 0;
    timer.enabled = true;
    timer.type = VisibilityTimer::STOPWATCH;
    model.add_timer(timer);
    create_pages();

    EXPECT_EQ(column(GROUPS), (Titles{L"Work", L"Games"}));
    EXPECT_EQ(cell(HOT_KEYS, 0, 0), group_text(1, model));
    EXPECT_EQ(cell(HOT_KEYS, 0, 1), combination_text(hot_key));
    EXPECT_EQ(cell(HOT_KEYS, 0, 2), L"Hide Only");
    EXPECT_EQ(cell(TIMERS, 0, 0), group_text(0, model));
    EXPECT_EQ(cell(TIMERS, 0, 1), L"Active");
    EXPECT_EQ(cell(TIMERS, 0, 2), L"Stopwatch");
}

TEST_F(TabPagesTest, ModelListRebuildKeepsTheSelectionWithinTheRows) {
    for (const auto* name : {L"One", L"Two", L"Three"}) {
        Group group(model.next_group_id());
        group.set_name(name);
        model.add_group(group);
    }
    create_pages();
    host.pages.select_tab(GROUPS);
    EXPECT_EQ(first_selected_row(list(GROUPS)), -1);
    EXPECT_FALSE(enabled(GROUPS, IDC_PAGE_EDIT));
    EXPECT_TRUE(enabled(GROUPS, IDC_PAGE_ADD));

    ListView_SetItemState(list(GROUPS), 2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(enabled(GROUPS, IDC_GROUP_HIDE_ALL));
    model.remove_group(2);
    host.pages.page(GROUPS)->refresh();
    EXPECT_EQ(column(GROUPS), (Titles{L"One", L"Two"}));
    EXPECT_EQ(first_selected_row(list(GROUPS)), 1);
    EXPECT_EQ(GetFocus(), list(GROUPS));
}

TEST_F(TabPagesTest, TimerButtonIsLabelledForTheSelectedTimer) {
    VisibilityTimer timer;
    timer.enabled = true;
    model.add_timer(timer);
    create_pages();
    host.pages.select_tab(TIMERS);
    ListView_SetItemState(list(TIMERS), 0, LVIS_SELECTED, LVIS_SELECTED);
    wchar_t label[32] = {};
    GetWindowTextW(control(TIMERS, IDC_TIMER_ACTIVATE), label, 32);
    EXPECT_STREQ(label, L"Deactivate");
}

TEST_F(TabPagesTest, RightClickWithoutSelectionOpensTheSeveralWindowsMenu) {
    add_window(L"alpha");
    add_window(L"bravo");
    create_pages();
    {
        MenuChoice choice(1);
        notify_list(VISIBLE, NM_RCLICK);
        EXPECT_EQ(MenuChoice::items(), (Titles{L"Hide Windows", L"Hide All Except These Windows"}));
    }
    EXPECT_EQ(system.show_requests.size(), 2u);
    EXPECT_EQ(host.pages.current_index(), HIDDEN);
}

TEST_F(TabPagesTest, RightClickOnOneSelectedRowOpensTheOneWindowMenu) {
    add_window(L"alpha");
    add_window(L"bravo");
    create_pages();
    select(VISIBLE, {L"alpha"});
    {
        MenuChoice choice(-1);
        notify_list(VISIBLE, NM_RCLICK);
        EXPECT_EQ(MenuChoice::items(),
                  (Titles{L"Hide Window", L"Hide All Except This Window", L"Activate Window"}));
    }
    EXPECT_TRUE(system.show_requests.empty());

    host.pages.select_tab(HIDDEN);
    {
        MenuChoice choice(-1);
        notify_list(HIDDEN, NM_RCLICK);
        EXPECT_EQ(MenuChoice::items(), (Titles{L"Show Windows", L"Show All Except These Windows"}));
    }
}

} // namespace
