#include "app/tray_win.h"

Tray::Tray(HWND main_dialog, HICON icon, DataModel& model, WindowEngine& engine,
           TimerScheduler& scheduler, engine::window_system& windows, engine::tray_host& host)
    : main_dialog_(main_dialog), host_(host), icon_(main_dialog, icon),
      commands_(model, engine, scheduler, windows, host) {}

bool Tray::handle_message(UINT message, WPARAM, LPARAM lparam) {
    if (message == TrayIcon::CALLBACK_MESSAGE) {
        on_tray_notification(static_cast<UINT>(lparam));
        return true;
    }
    if (message == TrayIcon::taskbar_created_message()) {
        icon_.add_again();
        return true;
    }
    return false;
}

void Tray::on_tray_notification(UINT mouse_message) {
    switch (mouse_message) {
    case WM_MOUSEMOVE:
        commands_.on_pointer_over_icon();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        show_main_window();
        break;
    case WM_RBUTTONDOWN:
        run_tray_menu();
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

void Tray::run_tray_menu() {
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
    commands_.run_menu([this](const TrayMenuContent& content) {
        menu_.fill(content);
        return menu_.choose(main_dialog_);
    });
}
