#include "app/tray_win.h"

#include <windowsx.h>

Tray::Tray(HWND main_dialog, HICON icon, engine::notification_area& area, DataModel& model,
           WindowEngine& engine, TimerScheduler& scheduler, engine::window_system& windows,
           engine::tray_host& host)
    : main_dialog_(main_dialog), host_(host), icon_(main_dialog, icon, area),
      commands_(model, engine, scheduler, windows, host) {
    if (!icon_.shown())
        SetTimer(main_dialog_, RETRY_TIMER_ID, RETRY_PERIOD_MILLISECONDS, nullptr);
}

Tray::~Tray() {
    KillTimer(main_dialog_, RETRY_TIMER_ID);
}

bool Tray::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == TrayIcon::CALLBACK_MESSAGE) {
        on_tray_notification(LOWORD(lparam), {GET_X_LPARAM(wparam), GET_Y_LPARAM(wparam)});
        return true;
    }
    if (message == TrayIcon::taskbar_created_message() ||
        (message == WM_TIMER && wparam == RETRY_TIMER_ID)) {
        add_icon();
        return true;
    }
    return false;
}

void Tray::remove_icon() {
    KillTimer(main_dialog_, RETRY_TIMER_ID);
    icon_.remove();
}

void Tray::add_icon() {
    if (icon_.add_again())
        KillTimer(main_dialog_, RETRY_TIMER_ID);
    else
        SetTimer(main_dialog_, RETRY_TIMER_ID, RETRY_PERIOD_MILLISECONDS, nullptr);
}

void Tray::on_tray_notification(UINT event, POINT anchor) {
    switch (event) {
    case WM_MOUSEMOVE:
        commands_.on_pointer_over_icon();
        break;
    case NIN_SELECT:
    case NIN_KEYSELECT:
        show_main_window();
        break;
    case WM_CONTEXTMENU:
        run_tray_menu(anchor);
        break;
    default:
        break;
    }
}

void Tray::show_main_window() {
    // A plain show keeps a minimised window minimised.
    ShowWindow(main_dialog_, SW_SHOW);
    SetForegroundWindow(main_dialog_);
    host_.refresh_current_page();
}

namespace {

// The window of this thread that is enabled while its owner is not: the innermost open modal
// dialog or box.
BOOL CALLBACK find_modal_window(HWND window, LPARAM found) {
    const HWND owner = GetWindow(window, GW_OWNER);
    if (owner != nullptr && !IsWindowEnabled(owner) && IsWindowEnabled(window) &&
        IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void Tray::run_tray_menu(POINT anchor) {
    // A modal editor works on a copy of what the menu could change meanwhile (a timer switched
    // from the menu would be switched back by the editor's OK), so while one is open the menu
    // is refused and the editor brought forward instead.
    if (!IsWindowEnabled(main_dialog_)) {
        HWND modal = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), find_modal_window,
                          reinterpret_cast<LPARAM>(&modal));
        if (modal != nullptr) {
            SetForegroundWindow(modal);
        }
        return;
    }
    commands_.run_menu([this, anchor](const TrayMenuContent& content) {
        menu_.fill(content);
        return menu_.choose(main_dialog_, anchor);
    });
}
