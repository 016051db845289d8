#include "app/tray_menu_win.h"

#include "app/tray_menu_text.h"
#include "tray_resource.h"

#include <string>
#include <vector>

static_assert(ID_TRAY_HIDE_GROUP_FIRST == tray_menu_id::HIDE_GROUP_BASE);
static_assert(ID_TRAY_SHOW_GROUP_FIRST == tray_menu_id::SHOW_GROUP_BASE);
static_assert(ID_TRAY_HIDE_WINDOW_FIRST == tray_menu_id::HIDE_WINDOW_BASE);
static_assert(ID_TRAY_SHOW_WINDOW_FIRST == tray_menu_id::SHOW_WINDOW_BASE);
static_assert(ID_TRAY_TIMER_FIRST == tray_menu_id::TOGGLE_TIMER_BASE);
static_assert(ID_TRAY_HIDE_ALL_WINDOWS == tray_menu_id::HIDE_ALL_WINDOWS);
static_assert(ID_TRAY_SHOW_ALL_WINDOWS == tray_menu_id::SHOW_ALL_WINDOWS);

namespace {

struct MenuEntry {
    std::wstring text;
    bool checked = false;
};

void replace_items(HMENU submenu, int base, const std::vector<MenuEntry>& entries) {
    while (GetMenuItemCount(submenu) > 0) {
        DeleteMenu(submenu, 0, MF_BYPOSITION);
    }
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const UINT flags = MF_STRING | (entries[k].checked ? MF_CHECKED : MF_UNCHECKED);
        AppendMenuW(submenu, flags, base + k, menu_item_label(entries[k].text).c_str());
    }
}

std::vector<MenuEntry> plain_entries(const std::vector<std::wstring>& texts) {
    std::vector<MenuEntry> entries;
    for (const std::wstring& text : texts) {
        entries.push_back({text, false});
    }
    return entries;
}

std::vector<MenuEntry> timer_entries(const std::vector<TimerMenuItem>& timers) {
    std::vector<MenuEntry> entries;
    for (const TimerMenuItem& timer : timers) {
        entries.push_back({timer.text, timer.checked});
    }
    return entries;
}

} // namespace

TrayMenu::TrayMenu() : menu_(GetModuleHandleW(nullptr), IDR_TRAY_MENU) {}

void TrayMenu::fill(const TrayMenuContent& content) {
    const HMENU menu = popup();
    if (menu == nullptr) {
        return;
    }
    const auto submenu = [menu](int position) { return GetSubMenu(menu, position); };
    const std::vector<MenuEntry> groups = plain_entries(content.groups);
    replace_items(submenu(HIDE_GROUP_POSITION), tray_menu_id::HIDE_GROUP_BASE, groups);
    replace_items(submenu(SHOW_GROUP_POSITION), tray_menu_id::SHOW_GROUP_BASE, groups);
    replace_items(submenu(TIMERS_POSITION), tray_menu_id::TOGGLE_TIMER_BASE,
                  timer_entries(content.timers));
    replace_items(submenu(HIDE_WINDOW_POSITION), tray_menu_id::HIDE_WINDOW_BASE,
                  plain_entries(content.windows_to_hide));
    replace_items(submenu(SHOW_WINDOW_POSITION), tray_menu_id::SHOW_WINDOW_BASE,
                  plain_entries(content.windows_to_show));
}

int TrayMenu::choose(HWND owner, POINT at) {
    const HMENU menu = popup();
    if (menu == nullptr) {
        return 0;
    }
    // Without the owner in front, the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    // Lets the owner's thread pass through its queue once, which a menu opened from a tray
    // icon needs so that its next opening works.
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}
