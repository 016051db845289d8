#include "update/update_option_win.h"

#include "resource.h"
#include "ui/gdi_handles_win.h"

#include <gtest/gtest.h>

#include <string>

namespace {

UniqueWindow make_window(HMENU menu) {
    return UniqueWindow(CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                        nullptr, menu, nullptr, nullptr));
}

std::wstring label_of(HMENU menu, int position) {
    wchar_t label[128] = {};
    GetMenuStringW(menu, position, label, 128, MF_BYPOSITION);
    return label;
}

TEST(UpdateCheckState, TheHelpMenusFirstItemFollowsTheOption) {
    const UniqueWindow main =
        make_window(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU)));
    const HMENU help = GetSubMenu(GetMenu(main.get()), 2);
    ASSERT_NE(help, nullptr);
    for (const bool check_updates : {true, false, true}) {
        SCOPED_TRACE(check_updates);
        show_update_check_state(main.get(), check_updates);
        EXPECT_EQ(label_of(help, 0), L"Check for Updates on Startup");
        EXPECT_EQ((GetMenuState(help, 0, MF_BYPOSITION) & MF_CHECKED) != 0, check_updates);
        EXPECT_EQ(GetMenuItemID(help, 0), static_cast<UINT>(ID_HELP_CHECK_FOR_UPDATES));
        EXPECT_EQ(label_of(help, 2), L"&About");
    }

    // A window without a menu is left alone.
    const UniqueWindow plain = make_window(nullptr);
    show_update_check_state(plain.get(), true);
    EXPECT_EQ(GetMenu(plain.get()), nullptr);
}

} // namespace
