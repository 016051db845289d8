#pragma once

#include "app/tray_commands.h"
#include "app/tray_host.h"
#include "app/tray_icon_win.h"
#include "app/tray_menu_win.h"

#include <windows.h>

// The program's place in the notification area: the icon, its clicks and its menu. The main
// window owns it and hands it the messages it does not handle itself.
class Tray {
public:
    // Adds the icon for `main_dialog` and loads the menu.
    Tray(HWND main_dialog, HICON icon, DataModel& model, WindowEngine& engine,
         TimerScheduler& scheduler, engine::window_system& windows, engine::tray_host& host);
    Tray(const Tray&) = delete;
    Tray& operator=(const Tray&) = delete;

    // The icon's clicks (TrayIcon::CALLBACK_MESSAGE) and the taskbar's re-creation; false for
    // every other message.
    bool handle_message(UINT message, WPARAM wparam, LPARAM lparam);
    // Takes the icon out of the notification area, as the exit sequence does; the object's
    // end does the same.
    void remove_icon() { icon_.remove(); }

    // A mouse message from the icon: the pointer over it, a left click or double click (which
    // brings the main window back), a right click (the menu).
    void on_tray_notification(UINT mouse_message);

private:
    void show_main_window();
    void run_tray_menu();

    HWND main_dialog_;
    engine::tray_host& host_;
    TrayIcon icon_;
    TrayMenu menu_;
    TrayCommands commands_;
};
