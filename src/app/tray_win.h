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
    // While the system refuses the icon (no taskbar yet, early at sign-in), it is offered
    // again at this interval on timer RETRY_TIMER_ID of the main dialog.
    static constexpr UINT_PTR RETRY_TIMER_ID = 1002;
    static constexpr UINT RETRY_PERIOD_MILLISECONDS = 2000;

    // Adds the icon for `main_dialog` and loads the menu.
    Tray(HWND main_dialog, HICON icon, engine::notification_area& area, DataModel& model,
         WindowEngine& engine, TimerScheduler& scheduler, engine::window_system& windows,
         engine::tray_host& host);
    Tray(const Tray&) = delete;
    Tray& operator=(const Tray&) = delete;
    ~Tray();

    // The icon's events (TrayIcon::CALLBACK_MESSAGE), the taskbar's re-creation and the retry
    // timer; false for every other message.
    bool handle_message(UINT message, WPARAM wparam, LPARAM lparam);
    // Takes the icon out of the notification area, as the exit sequence does; the object's
    // end does the same.
    void remove_icon();
    // True while the notification area shows the icon, the one way back to a hidden window.
    bool has_icon() const { return icon_.shown(); }

    // An event from the icon, at `anchor` in screen coordinates: the pointer over it, a
    // selection by click or key (which brings the main window back), a request for the menu
    // (right click, Shift+F10 or the menu key).
    void on_tray_notification(UINT event, POINT anchor);

private:
    void add_icon();
    void show_main_window();
    void run_tray_menu(POINT anchor);

    HWND main_dialog_;
    engine::tray_host& host_;
    TrayIcon icon_;
    TrayMenu menu_;
    TrayCommands commands_;
};
