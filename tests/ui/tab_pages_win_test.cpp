#include "page_fixture_win.h"

#include "ui/gdi_handles_win.h"

namespace {

using Titles = std::vector<std::wstring>;
constexpr int VISIBLE = 0;
constexpr int HIDDEN = 1;
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

class TabPagesTest : public PageTest {
protected:
    // The colour of a row's background on the screen once the list has painted itself, at the
    // right end of its last column, beyond the short image names.
    COLORREF row_background(int row) const {
        const HWND rows = list(VISIBLE);
        RECT item{};
        ListView_GetItemRect(rows, row, &item, LVIR_BOUNDS);
        RedrawWindow(rows, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const HDC dc = GetDC(rows);
        const COLORREF colour = rgb_of(GetPixel(dc, item.right - 8, (item.top + item.bottom) / 2));
        ReleaseDC(rows, dc);
        return colour;
    }
};

TEST_F(TabPagesTest, FivePagesInTheirTabsOneShownAtATime) {
    create_pages();
    ASSERT_EQ(TabCtrl_GetItemCount(host.tab_control()), 5);
    const Titles captions{L" Visible Windows ", L" Hidden Windows ", L" Window Groups ",
                          L" Hot Keys ", L" Visibility Timers "};
    for (int page = 0; page < 5; ++page) {
        EXPECT_EQ(tab_caption(host.tab_control(), page), captions[static_cast<std::size_t>(page)]);
        EXPECT_EQ(IsWindowVisible(page_window(page)) != FALSE, page == VISIBLE);
    }
    EXPECT_EQ(host.pages.current_index(), VISIBLE);

    host.pages.select_tab(TIMERS);
    host.pages.select_tab(5);
    host.pages.select_tab(-1);
    EXPECT_EQ(host.pages.current_index(), TIMERS) << "indices out of range are ignored";
    for (int page = 0; page < 5; ++page) {
        EXPECT_EQ(IsWindowVisible(page_window(page)) != FALSE, page == TIMERS);
    }
}

TEST_F(TabPagesTest, PagesFillTheTabControlAndTheWindowPagesLayOutTheirRows) {
    add_window(L"Editor");
    create_pages();
    RECT client{};
    GetClientRect(host.main_dialog(), &client);
    EXPECT_EQ(control_rect(host.tab_control()),
              (PixelRect{16, 16, client.right - 32, client.bottom - 32}));
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

    RECT page{};
    GetClientRect(page_window(VISIBLE), &page);
    const auto list_rect = control_rect(list(VISIBLE));
    EXPECT_EQ(list_rect.width, page.right - 16);
    EXPECT_EQ(list_rect.height, page.bottom - list_rect.y - 40);
    const auto hide_selected = control_rect(control(VISIBLE, IDC_HIDE_SELECTED));
    const auto hide_all_but = control_rect(control(VISIBLE, IDC_HIDE_ALL_BUT_SELECTED));
    EXPECT_EQ(hide_selected, (PixelRect{8, page.bottom - 32, hide_selected.width, 24}));
    EXPECT_EQ(hide_all_but.x, hide_selected.right() + 4);
    EXPECT_EQ(control_rect(control(VISIBLE, IDC_HIDE_ALL)).x, hide_all_but.right() + 4);
    EXPECT_EQ(control_rect(control(VISIBLE, IDC_ACTIVATE_WINDOW)).right(), list_rect.right());
    EXPECT_EQ(ListView_GetColumnWidth(list(VISIBLE), 0),
              static_cast<int>(0.7f * static_cast<float>(list_rect.width)));
    const auto show_all = control_rect(control(HIDDEN, IDC_SHOW_ALL));
    EXPECT_EQ(control_rect(control(HIDDEN, IDC_LIST_ALL_HIDDEN)).x, show_all.right() + 8);

    // Rows are as high as the row font plus three.
    RECT item{};
    ListView_GetItemRect(list(VISIBLE), 0, &item, LVIR_BOUNDS);
    EXPECT_EQ(item.bottom - item.top, measure_list_row(page_window(VISIBLE), host.list_drawing()));
    EXPECT_GE(item.bottom - item.top, 14);
}

TEST_F(TabPagesTest, RowsSortFoldedAndStripesFollowDisplayPositionsUnderADarkSelectionBar) {
    for (const auto* title : {L"Delta", L"alpha", L"Charlie", L"bravo", L"_echo"}) {
        add_window(title);
    }
    create_pages();
    EXPECT_EQ(column(VISIBLE), (Titles{L"_echo", L"alpha", L"bravo", L"Charlie", L"Delta"}))
        << "underscores before letters, case folded";
    for (int clicks = 0; clicks < 2; ++clicks) {
        const auto before = column(VISIBLE);
        click_header(VISIBLE, 0);
        EXPECT_NE(column(VISIBLE), before);
        for (int row = 0; row < 5; ++row) {
            EXPECT_EQ(row_background(row), row % 2 == 0 ? ListDrawingResources::EVEN_ROW_COLOUR
                                                        : ListDrawingResources::ODD_ROW_COLOUR)
                << "row " << row;
        }
    }
    select(VISIBLE, {L"alpha"});
    EXPECT_EQ(row_background(1), ListDrawingResources::SELECTED_ROW_COLOUR);
    EXPECT_EQ(row_background(2), ListDrawingResources::EVEN_ROW_COLOUR);
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
        request.itemAction = ODA_DRAWENTIRE;
        request.hDC = dc;
        request.rcItem = all;
        request.itemData = static_cast<ULONG_PTR>(model.windows.count());
        const auto draw = [&] {
            return draw_list_row(list_window, host.list_drawing(), request, model.windows.count(),
                                 [](int, int) { return L""; });
        };
        EXPECT_FALSE(draw());
        EXPECT_EQ(rgb_of(GetPixel(dc, 25, 10)), RGB(0, 0, 0));

        request.itemData = 0;
        request.itemAction = ODA_FOCUS;
        EXPECT_TRUE(draw());
        EXPECT_EQ(rgb_of(GetPixel(dc, 25, 10)), RGB(0, 0, 0));

        request.itemAction = ODA_DRAWENTIRE;
        EXPECT_TRUE(draw());
        EXPECT_EQ(rgb_of(GetPixel(dc, 25, 10)), ListDrawingResources::EVEN_ROW_COLOUR);
    }
    DeleteDC(dc);
}

TEST_F(TabPagesTest, RightClickOpensTheMenuForTheWindowsItWouldActOn) {
    add_window(L"alpha");
    add_window(L"bravo");
    create_pages();
    select(VISIBLE, {L"alpha"});
    EXPECT_EQ(choose_from_menu(VISIBLE, -1),
              (Titles{L"Hide Window", L"Hide All Except This Window", L"Activate Window"}));
    EXPECT_TRUE(system.show_requests.empty());

    // Without a selection: every listed window.
    select_row(VISIBLE, -1);
    EXPECT_EQ(choose_from_menu(VISIBLE, 1),
              (Titles{L"Hide Windows", L"Hide All Except These Windows"}));
    EXPECT_EQ(system.show_requests.size(), 2u);
    EXPECT_EQ(host.pages.current_index(), HIDDEN);
    EXPECT_EQ(choose_from_menu(HIDDEN, -1),
              (Titles{L"Show Windows", L"Show All Except These Windows"}));
}

} // namespace
