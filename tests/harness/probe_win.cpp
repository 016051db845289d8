// The tests' probe: looks at the top-level windows of the Wine session and answers dialogs.
//
//   probe.exe list            one line per top-level window, fields separated by tabs:
//                             HANDLE PROCESS-ID VISIBLE SHOWCMD CLASS TITLE
//   probe.exe texts TITLE     the texts of the child windows of the top-level window TITLE
//   probe.exe quit IMAGE      posts WM_QUIT to every thread of the processes running IMAGE
//                             (hushcloak.exe), as another program would to end their loops
//   probe.exe click TITLE CAPTION
//                             clicks the button CAPTION ('&' marks ignored) of the visible
//                             top-level window TITLE, as a user would answer a message box
//   probe.exe command TITLE ID
//                             posts WM_COMMAND with the command ID to the visible top-level
//                             window TITLE, as if the user chose that menu item
//   probe.exe post TITLE MESSAGE WPARAM LPARAM
//                             posts a message (decimal numbers) to the top-level window TITLE,
//                             shown or hidden, as the notification area posts an icon's clicks
//   probe.exe foreground      the title of the window in front
// Exit code 0 on success, 1 when the window or button is not there, 2 for a bad command line.
#include "harness/utf8_win.h"
#include "harness/window_text_win.h"

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

struct HandleClose {
    void operator()(HANDLE handle) const {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
};
using Snapshot = std::unique_ptr<void, HandleClose>;

void say(const std::wstring& line) {
    std::cout << harness::to_utf8(line) << '\n';
}

std::vector<HWND> top_level_windows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM found) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> child_windows(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM found) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND visible_window_titled(const std::wstring& title) {
    for (HWND window : top_level_windows()) {
        if (IsWindowVisible(window) && harness::window_text(window) == title) {
            return window;
        }
    }
    return nullptr;
}

std::wstring without_mnemonics(std::wstring text) {
    std::erase(text, L'&');
    return text;
}

int list() {
    for (HWND window : top_level_windows()) {
        DWORD process_id = 0;
        GetWindowThreadProcessId(window, &process_id);
        say(harness::handle_text(window) + L"\t" + std::to_wstring(process_id) + L"\t" +
            (IsWindowVisible(window) ? L"1" : L"0") + L"\t" +
            std::to_wstring(harness::show_command(window)) + L"\t" + harness::class_name(window) +
            L"\t" + harness::window_text(window));
    }
    return 0;
}

int texts(const std::wstring& title) {
    HWND window = visible_window_titled(title);
    if (window == nullptr) {
        return 1;
    }
    for (HWND child : child_windows(window)) {
        say(harness::control_text(child));
    }
    return 0;
}

int post_quit(const std::wstring& image) {
    const Snapshot owner(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD, 0));
    if (owner.get() == INVALID_HANDLE_VALUE) {
        return 1;
    }
    HANDLE snapshot = owner.get();
    std::vector<DWORD> process_ids;
    PROCESSENTRY32W process{};
    process.dwSize = sizeof(process);
    for (BOOL more = Process32FirstW(snapshot, &process); more;
         more = Process32NextW(snapshot, &process)) {
        if (_wcsicmp(process.szExeFile, image.c_str()) == 0) {
            process_ids.push_back(process.th32ProcessID);
        }
    }
    int posted = 0;
    THREADENTRY32 thread{};
    thread.dwSize = sizeof(thread);
    for (BOOL more = Thread32First(snapshot, &thread); more;
         more = Thread32Next(snapshot, &thread)) {
        if (std::ranges::find(process_ids, thread.th32OwnerProcessID) != process_ids.end() &&
            PostThreadMessageW(thread.th32ThreadID, WM_QUIT, 0, 0)) {
            ++posted;
        }
    }
    return posted > 0 ? 0 : 1;
}

int click(const std::wstring& title, const std::wstring& caption) {
    HWND window = visible_window_titled(title);
    if (window == nullptr) {
        return 1;
    }
    const std::wstring wanted = without_mnemonics(caption);
    for (HWND child : child_windows(window)) {
        if (harness::class_name(child) == L"Button" &&
            without_mnemonics(harness::window_text(child)) == wanted) {
            // Posted, not sent: the click may end a modal loop in the other process.
            PostMessageW(child, BM_CLICK, 0, 0);
            return 0;
        }
    }
    return 1;
}

// A menu command identifier: a decimal number from 0 to 65535.
std::optional<WORD> command_id(const std::wstring& text) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of(L"0123456789") != std::wstring::npos) {
        return std::nullopt;
    }
    const unsigned long value = std::stoul(text);
    if (value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<WORD>(value);
}

int post_command(const std::wstring& title, WORD id) {
    HWND window = visible_window_titled(title);
    if (window == nullptr) {
        return 1;
    }
    return PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0) ? 0 : 1;
}

// A decimal number from 0 to 4294967295.
std::optional<unsigned long> decimal(const std::wstring& text) {
    if (text.empty() || text.size() > 10 ||
        text.find_first_not_of(L"0123456789") != std::wstring::npos) {
        return std::nullopt;
    }
    const unsigned long long value = std::stoull(text);
    if (value > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    return static_cast<unsigned long>(value);
}

int post_message(const std::vector<std::wstring>& arguments) {
    const auto message = decimal(arguments[2]);
    const auto wparam = decimal(arguments[3]);
    const auto lparam = decimal(arguments[4]);
    if (!message || !wparam || !lparam) {
        return 2;
    }
    HWND window = FindWindowW(nullptr, arguments[1].c_str());
    if (window == nullptr) {
        return 1;
    }
    return PostMessageW(window, *message, *wparam, *lparam) ? 0 : 1;
}

int foreground() {
    say(harness::window_text(GetForegroundWindow()));
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    harness::use_binary_standard_streams();
    const std::vector<std::wstring> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && arguments[0] == L"list") {
        return list();
    }
    if (arguments.size() == 2 && arguments[0] == L"texts") {
        return texts(arguments[1]);
    }
    if (arguments.size() == 2 && arguments[0] == L"quit") {
        return post_quit(arguments[1]);
    }
    if (arguments.size() == 3 && arguments[0] == L"click") {
        return click(arguments[1], arguments[2]);
    }
    if (arguments.size() == 3 && arguments[0] == L"command") {
        if (const auto id = command_id(arguments[2])) {
            return post_command(arguments[1], *id);
        }
    }
    if (arguments.size() == 5 && arguments[0] == L"post") {
        return post_message(arguments);
    }
    if (arguments.size() == 1 && arguments[0] == L"foreground") {
        return foreground();
    }
    std::wcerr << L"usage: probe.exe list | texts TITLE | click TITLE CAPTION | command TITLE ID"
                  L" | post TITLE MESSAGE WPARAM LPARAM | foreground\n";
    return 2;
}
