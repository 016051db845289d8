#include "app/tray_icon_win.h"

#include <shellapi.h>

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

} // namespace

TrayIcon::TrayIcon(HWND window, HICON icon) : window_(window), icon_(icon) {
    add();
}

TrayIcon::TrayIcon(TrayIcon&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), icon_(other.icon_) {}

TrayIcon& TrayIcon::operator=(TrayIcon&& other) noexcept {
    if (this != &other) {
        remove();
        window_ = std::exchange(other.window_, nullptr);
        icon_ = other.icon_;
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
    Shell_NotifyIconW(NIM_DELETE, &data);
    window_ = nullptr;
}

UINT TrayIcon::taskbar_created_message() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

bool TrayIcon::add() {
    NOTIFYICONDATAW data = notification_data(window_);
    data.uFlags = NIF_MESSAGE | NIF_ICON;
    data.uCallbackMessage = CALLBACK_MESSAGE;
    data.hIcon = icon_;
    return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}
