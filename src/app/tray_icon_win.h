#pragma once

#include <windows.h>

// The program's icon in the notification area, added when the object is made and removed when
// it dies. Clicks on it arrive at the window as CALLBACK_MESSAGE with the mouse message in the
// second parameter. Move-only.
class TrayIcon {
public:
    static constexpr UINT ICON_ID = 9321;
    static constexpr UINT CALLBACK_MESSAGE = 9321;

    // Adds the icon for `window`. Without a taskbar the system refuses it, and the program
    // runs without an icon.
    TrayIcon(HWND window, HICON icon);
    TrayIcon(TrayIcon&& other) noexcept;
    TrayIcon& operator=(TrayIcon&& other) noexcept;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon();

    // Adds the icon again: a re-created taskbar (Explorer restarted or crashed) has forgotten
    // it. True when the system took it.
    bool add_again();
    // Takes the icon out of the notification area; later calls do nothing.
    void remove();

    // The message the system broadcasts to every top-level window once the taskbar has been
    // re-created.
    static UINT taskbar_created_message();

private:
    bool add();

    HWND window_ = nullptr;
    HICON icon_ = nullptr;
};
