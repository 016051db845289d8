#pragma once

#include <windows.h>

#include <shellapi.h>

namespace engine {

// The system's notification area as the tray icon uses it: one Shell_NotifyIconW request.
// Tests stand in one that can refuse.
class notification_area {
public:
    virtual ~notification_area() = default;
    virtual bool notify(DWORD request, NOTIFYICONDATAW& data) = 0;
};

} // namespace engine

// The shell's own notification area.
engine::notification_area& system_notification_area();

// The program's icon in the notification area, with the tool tip "Hushcloak", added when the
// object is made and removed when it dies. It speaks the shell's fourth notification version:
// its events arrive at the window as CALLBACK_MESSAGE with the event in the low word of the
// second parameter and the point it concerns (the pointer, or the icon when the keyboard
// chose it) in the first. Move-only.
class TrayIcon {
public:
    static constexpr UINT ICON_ID = 9321;
    static constexpr UINT CALLBACK_MESSAGE = 9321;

    // Adds the icon for `window`. Without a taskbar the system refuses it; shown() then says
    // so, and add_again() tries once more.
    TrayIcon(HWND window, HICON icon, engine::notification_area& area);
    TrayIcon(TrayIcon&& other) noexcept;
    TrayIcon& operator=(TrayIcon&& other) noexcept;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon();

    // Adds the icon again: after a refusal, or for a re-created taskbar (Explorer restarted or
    // crashed), which has forgotten it. True when the system took it.
    bool add_again();
    // Takes the icon out of the notification area; later calls do nothing.
    void remove();
    // True while the notification area holds the icon.
    bool shown() const { return shown_; }

    // The message the system broadcasts to every top-level window once the taskbar has been
    // re-created.
    static UINT taskbar_created_message();

private:
    bool add();

    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    engine::notification_area* area_ = nullptr;
    bool shown_ = false;
};
