#pragma once

#include "update/update_check.h"

#include <windows.h>

// Posted to the main window when the user has agreed to visit the download page. The main
// window answers it on the user-interface thread by showing every window hidden in this run,
// saving and exiting (`shutdown` with `silent` true), so that saving never overlaps with the
// handling of other messages.
inline constexpr UINT UPDATE_EXIT_MESSAGE = WM_APP + 49;

// The update check's desktop on Windows: boxes owned by the main window, the default web
// browser, and the exit request posted to the main window. Used from the update thread.
class Win32UpdateDesktop final : public engine::update_desktop {
public:
    explicit Win32UpdateDesktop(HWND main_window) : main_window_(main_window) {}

    bool ask_yes_no(const std::wstring& caption, const std::wstring& text) override;
    void warning_box(const std::wstring& caption, const std::wstring& text) override;
    bool open_web_page(const std::wstring& url) override;
    void request_silent_exit() override;

private:
    HWND main_window_;
};
