#include "update/update_option_win.h"

#include "resource.h"

namespace {

constexpr int help_menu_position = 2;

} // namespace

void show_update_check_state(HWND main_window, bool check_updates) {
    HMENU help_menu = GetSubMenu(GetMenu(main_window), help_menu_position);
    if (help_menu == nullptr) {
        return;
    }
    const UINT flags = MF_BYPOSITION | MF_STRING | (check_updates ? MF_CHECKED : MF_UNCHECKED);
    ModifyMenuW(help_menu, 0, flags, ID_HELP_CHECK_FOR_UPDATES, L"Check for Updates on Startup");
}
