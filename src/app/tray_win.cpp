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

void Tray::run_tray_menu() {
    commands_.run_menu([this](const TrayMenuContent& content) {
        menu_.fill(content);
        return menu_.choose(main_dialog_);
    });
}
