#include "app/tray_icon_win.h"

#include <cwchar>
#include <utility>

namespace {

NOTIFYICONDATAW notification_data(HWND window) {
    NOTIFYICONDATAW data{};
    // The size of this build's own structure: the shell reads the fields it announces.
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = TrayIcon::ICON_ID;
    return data;
}

class ShellNotificationArea final : public engine::notification_area {
public:
    bool notify(DWORD request, NOTIFYICONDATAW& data) override {
        return Shell_NotifyIconW(request, &data) != FALSE;
    }
};

} // namespace

engine::notification_area& system_notification_area() {
    static ShellNotificationArea area;
    return area;
}

TrayIcon::TrayIcon(HWND window, HICON icon, engine::notification_area& area)
    : window_(window), icon_(icon), area_(&area) {
    add();
}

TrayIcon::TrayIcon(TrayIcon&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), icon_(other.icon_), area_(other.area_),
      shown_(std::exchange(other.shown_, false)) {}

TrayIcon& TrayIcon::operator=(TrayIcon&& other) noexcept {
    if (this != &other) {
        remove();
        window_ = std::exchange(other.window_, nullptr);
        icon_ = other.icon_;
        area_ = other.area_;
        shown_ = std::exchange(other.shown_, false);
    }
    return *this;
}

TrayIcon::~TrayIcon() {
    remove();
}

bool TrayIcon::add_again() {
    return window_ != nullptr && add();
}

void TrayIcon::remove() {
    if (window_ == nullptr) {
        return;
    }
    NOTIFYICONDATAW data = notification_data(window_);
    area_->notify(NIM_DELETE, data);
    window_ = nullptr;
    shown_ = false;
}

UINT TrayIcon::taskbar_created_message() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

bool TrayIcon::add() {
    NOTIFYICONDATAW data = notification_data(window_);
    // The fourth version hides the standard tool tip unless it is asked for.
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    data.uCallbackMessage = CALLBACK_MESSAGE;
    data.hIcon = icon_;
    wcsncpy(data.szTip, L"Hushcloak", sizeof(data.szTip) / sizeof(data.szTip[0]) - 1);
    shown_ = area_->notify(NIM_ADD, data);
    if (shown_) {
        // Without it the shell reports raw mouse messages only, and the keyboard cannot
        // choose the icon.
        NOTIFYICONDATAW version = notification_data(window_);
        version.uVersion = NOTIFYICON_VERSION_4;
        area_->notify(NIM_SETVERSION, version);
    }
    return shown_;
}
