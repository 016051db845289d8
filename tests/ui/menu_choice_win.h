#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Reads the open context menu's items from a thread timer inside the menu's modal loop, then
// chooses the item at `position` with the keyboard, or closes the menu with Escape for -1.
class MenuChoice {
public:
    explicit MenuChoice(int position) {
        position_ = position;
        items_.clear();
        timer_ = SetTimer(nullptr, 0, 20, &MenuChoice::on_timer);
    }
    MenuChoice(const MenuChoice&) = delete;
    MenuChoice& operator=(const MenuChoice&) = delete;
    ~MenuChoice() { KillTimer(nullptr, timer_); }

    // The texts of the last menu read, separators as empty texts.
    static const std::vector<std::wstring>& items() { return items_; }

private:
    static void CALLBACK on_timer(HWND, UINT, UINT_PTR, DWORD) {
        const HWND menu_window = FindWindowW(L"#32768", nullptr);
        if (menu_window == nullptr || !items_.empty()) {
            return;
        }
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(menu_window, MN_GETHMENU, 0, 0));
        // The keyboard passes over separators, so only the other items up to `position` take a
        // press each.
        int presses = 0;
        for (UINT item = 0; item < static_cast<UINT>(GetMenuItemCount(menu)); ++item) {
            wchar_t text[100] = {};
            GetMenuStringW(menu, item, text, 100, MF_BYPOSITION);
            items_.push_back(text);
            const bool separator = (GetMenuState(menu, item, MF_BYPOSITION) & MF_SEPARATOR) != 0;
            presses += static_cast<int>(item) <= position_ && !separator ? 1 : 0;
        }
        for (int press = 0; press < presses; ++press) {
            PostMessageW(menu_window, WM_KEYDOWN, VK_DOWN, 0);
        }
        PostMessageW(menu_window, WM_KEYDOWN, position_ < 0 ? VK_ESCAPE : VK_RETURN, 0);
    }

    static inline int position_ = -1;
    static inline std::vector<std::wstring> items_;
    UINT_PTR timer_ = 0;
};
