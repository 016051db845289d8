#include "engine/window_system_win.h"

#include "app/unique_handle_win.h"

#include <windows.h>

#include <psapi.h>

namespace {

// GetWindowTextW and GetProcessImageFileNameW read into buffers of this many characters,
// the terminating null included.
constexpr int TEXT_BUFFER_LENGTH = 4096;

BOOL CALLBACK append_window(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<WindowHandle>*>(windows)->push_back(to_window_handle(window));
    return TRUE;
}

} // namespace

HWND to_hwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

WindowHandle to_window_handle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

std::vector<WindowHandle> Win32WindowSystem::top_level_windows() {
    // EnumWindows under Wine asks the server whether each window still exists before handing
    // it on, which doubles the cost of a pass; EnumDesktopWindows hands on the list as it is.
    // Wine's list also holds the message-only windows, which are few and never top-level, so
    // they are taken out. They are looked up after the list is made: one made in between is
    // not in it anyway.
    std::vector<WindowHandle> windows;
    EnumDesktopWindows(nullptr, append_window, reinterpret_cast<LPARAM>(&windows));
    for (HWND message_only = nullptr;
         (message_only = FindWindowExW(HWND_MESSAGE, message_only, nullptr, nullptr)) != nullptr;) {
        std::erase(windows, to_window_handle(message_only));
    }
    return windows;
}

bool Win32WindowSystem::window_exists(WindowHandle window) {
    return IsWindow(to_hwnd(window)) != FALSE;
}

std::wstring Win32WindowSystem::title(WindowHandle window) {
    wchar_t text[TEXT_BUFFER_LENGTH] = {};
    const int length = GetWindowTextW(to_hwnd(window), text, TEXT_BUFFER_LENGTH);
    return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool Win32WindowSystem::is_visible(WindowHandle window) {
    // The style alone: GetWindowInfo would also work out the window's rectangles, which makes
    // it the costliest read of a pass.
    return (GetWindowLongPtrW(to_hwnd(window), GWL_STYLE) & WS_VISIBLE) != 0;
}

std::optional<int> Win32WindowSystem::placement_show_state(WindowHandle window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(to_hwnd(window), &placement)) {
        return std::nullopt;
    }
    return static_cast<int>(placement.showCmd);
}

engine::window_system::State Win32WindowSystem::state(WindowHandle window) {
    SetLastError(ERROR_SUCCESS);
    const LONG_PTR style = GetWindowLongPtrW(to_hwnd(window), GWL_STYLE);
    if (style == 0 && GetLastError() != ERROR_SUCCESS) {
        return {};
    }
    // The show state a window's placement reports follows these two bits.
    const int show_state = (style & WS_MINIMIZE) != 0   ? SW_SHOWMINIMIZED
                           : (style & WS_MAXIMIZE) != 0 ? SW_SHOWMAXIMIZED
                                                        : SW_SHOWNORMAL;
    return {(style & WS_VISIBLE) != 0, show_state};
}

WindowHandle Win32WindowSystem::parent(WindowHandle window) {
    return to_window_handle(GetParent(to_hwnd(window)));
}

std::uint32_t Win32WindowSystem::process_id(WindowHandle window) {
    DWORD id = 0;
    if (GetWindowThreadProcessId(to_hwnd(window), &id) == 0) {
        return 0;
    }
    return id;
}

std::wstring Win32WindowSystem::process_image_path(std::uint32_t process_id) {
    // PROCESS_QUERY_INFORMATION only: a process this user may not query (elevated,
    // protected, another user's) is listed with an unknown image name.
    const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process_id));
    if (!process) {
        return {};
    }
    wchar_t path[TEXT_BUFFER_LENGTH] = {};
    const DWORD length = GetProcessImageFileNameW(process.get(), path, TEXT_BUFFER_LENGTH);
    return std::wstring(path, length);
}

std::uint64_t Win32WindowSystem::process_creation_time(std::uint32_t process_id) {
    // The limited right is granted for elevated processes too.
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
    FILETIME created = {};
    FILETIME exited = {};
    FILETIME kernel = {};
    FILETIME user = {};
    if (!process || !GetProcessTimes(process.get(), &created, &exited, &kernel, &user)) {
        return 0;
    }
    ULARGE_INTEGER intervals = {};
    intervals.LowPart = created.dwLowDateTime;
    intervals.HighPart = created.dwHighDateTime;
    return intervals.QuadPart;
}

void Win32WindowSystem::show_async(WindowHandle window, int show_command) {
    ShowWindowAsync(to_hwnd(window), show_command);
}

WindowHandle Win32WindowSystem::foreground_window() {
    return to_window_handle(GetForegroundWindow());
}

void Win32WindowSystem::set_foreground_window(WindowHandle window) {
    SetForegroundWindow(to_hwnd(window));
}

engine::BootSession Win32WindowSystem::boot_session() {
    engine::BootSession session;
    DWORD session_id = 0;
    if (ProcessIdToSessionId(GetCurrentProcessId(), &session_id))
        session.session_id = session_id;
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER intervals = {};
    intervals.LowPart = now.dwLowDateTime;
    intervals.HighPart = now.dwHighDateTime;
    // FILETIME counts 100-nanosecond intervals.
    const auto seconds_now = static_cast<std::int64_t>(intervals.QuadPart / 10'000'000);
    session.boot_time = seconds_now - static_cast<std::int64_t>(GetTickCount64() / 1000);
    return session;
}
