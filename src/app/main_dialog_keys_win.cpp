#include "app/main_dialog_keys_win.h"

#include "resource.h"

#include <commctrl.h>

namespace {

bool held(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

bool is_list(HWND window) {
    wchar_t name[32] = {};
    return window != nullptr && GetClassNameW(window, name, 32) > 0 &&
           lstrcmpiW(name, WC_LISTVIEWW) == 0;
}

// As a click on the next (or previous) tab would: the dialog hears of it and shows that page.
void switch_page(HWND dialog, HWND tabs, bool backwards) {
    const int count = TabCtrl_GetItemCount(tabs);
    if (count <= 0) {
        return;
    }
    const int next = (TabCtrl_GetCurSel(tabs) + (backwards ? count - 1 : 1)) % count;
    TabCtrl_SetCurSel(tabs, next);
    NMHDR header{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(dialog, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// The pages live inside the tab control, which is therefore a control parent: the dialog's own
// walk through the tab stops steps into the current page and never stops at the tab control.
// This puts the tab control between the page's last tab stop and its first.
bool move_around_tab_control(HWND dialog, HWND tabs, bool backwards) {
    const HWND focus = GetFocus();
    const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    // The one before the first, round the end.
    const HWND last = first != nullptr ? GetNextDlgTabItem(dialog, first, TRUE) : nullptr;
    HWND target = nullptr;
    if (focus == tabs) {
        target = backwards ? last : first;
    } else if (focus == (backwards ? first : last)) {
        target = tabs;
    }
    if (target == nullptr) {
        return false;
    }
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
    return true;
}

bool is_menu_key(const MSG& message) {
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
    return (down || up) &&
           (message.wParam == VK_APPS || (message.wParam == VK_F10 && held(VK_SHIFT)));
}

} // namespace

bool translate_main_dialog_message(HWND dialog, MSG& message) {
    if (dialog == nullptr || (message.hwnd != dialog && !IsChild(dialog, message.hwnd))) {
        return false;
    }
    const HWND tabs = GetDlgItem(dialog, IDC_MAIN_TABS);
    const HWND focus = GetFocus();
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && tabs != nullptr) {
        if (held(VK_CONTROL)) {
            switch_page(dialog, tabs, held(VK_SHIFT));
            return true;
        }
        if (move_around_tab_control(dialog, tabs, held(VK_SHIFT))) {
            return true;
        }
    }
    if (is_list(focus) && is_menu_key(message)) {
        // Opened once, on the key going down; the key's release must not open the menu bar.
        if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
            SendMessageW(GetParent(focus), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(focus), -1);
        }
        return true;
    }
    // The dialog would turn Enter into its own OK command; a list runs its default action.
    if (is_list(focus) && message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        return true;
    }
    return IsDialogMessageW(dialog, &message) != FALSE;
}
