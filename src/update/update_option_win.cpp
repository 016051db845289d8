#include "update/update_option_win.h"

#include "app/message_box_win.h"
#include "resource.h"
#include "storage/settings.h"

namespace {

constexpr int help_menu_position = 2;

} // namespace

void toggle_update_check(HWND main_window, Settings& settings) {
    const bool check_updates = settings.check_updates();
    if (check_updates) {
        if (!ask_yes_no(main_window, L"Disable Updates",
                        L"Are you sure you'd like to disable checking for updates when the "
                        L"program launches?")) {
            return;
        }
    } else {
        information_box(main_window, L"Enable Updates",
                        L"The program will check for updates next time it's launched.");
    }
    settings.set_check_updates(!check_updates);
    settings.save();
    show_update_check_state(main_window, !check_updates);
}

void show_update_check_state(HWND main_window, bool check_updates) {
    HMENU help_menu = GetSubMenu(GetMenu(main_window), help_menu_position);
    if (help_menu == nullptr) {
        return;
    }
    const UINT flags = MF_BYPOSITION | MF_STRING | (check_updates ? MF_CHECKED : MF_UNCHECKED);
    ModifyMenuW(help_menu, 0, flags, ID_HELP_CHECK_FOR_UPDATES, L"Check for Updates on Startup");
}
