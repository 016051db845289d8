// The tests' probe: looks at the top-level windows of the Wine session and answers dialogs.
//
//   probe.exe list            one line per top-level window, fields separated by tabs:
//                             HANDLE PROCESS-ID VISIBLE SHOWCMD CLASS TITLE
//   probe.exe texts TITLE     the texts of the child windows of the top-level window TITLE
//   probe.exe tips            the text of every tool tip shown on the screen, one a line
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
//   probe.exe time            the local time as the programs of this Wine session see it:
//                             HOURS MINUTES SECONDS
//   probe.exe where TITLE KIND [TEXT]
//                             the screen point X Y in the middle of something the visible
//                             top-level window TITLE shows, as the window itself reports it:
//                             KIND tab (the tab captioned TEXT), row (the row of the visible
//                             list whose first cell is TEXT), control (the visible control
//                             captioned TEXT), caption (its title bar), client (its client area);
//                             " selected" follows for the current tab or a selected row
// Exit code 0 on success, 1 when the window or button is not there, 2 for a bad command line.
#include "harness/utf8_win.h"
#include "harness/window_text_win.h"

#include <windows.h>

#include <commctrl.h>

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

// A caption as the user reads it: without mnemonic marks and the spaces that pad it.
std::wstring as_read(const std::wstring& text) {
    std::wstring read = without_mnemonics(text);
    const auto first = read.find_first_not_of(L' ');
    return first == std::wstring::npos
               ? L""
               : read.substr(first, read.find_last_not_of(L' ') - first + 1);
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

// A tool tip's window text is the tip it shows, which only the window itself can tell.
int tips() {
    for (HWND window : top_level_windows()) {
        if (IsWindowVisible(window) && harness::class_name(window) == TOOLTIPS_CLASSW) {
            say(harness::control_text(window));
        }
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

// Memory in another process, for the control messages that read or write through a pointer:
// a list or tab control works only on addresses of its own process.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, SIZE_T size) {
        DWORD process_id = 0;
        GetWindowThreadProcessId(window, &process_id);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               process_id);
        if (process_ != nullptr) {
            address_ = static_cast<char*>(
                VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        }
    }
    ~RemoteBuffer() {
        if (address_ != nullptr) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
        if (process_ != nullptr) {
            CloseHandle(process_);
        }
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool usable() const { return address_ != nullptr; }
    char* at(SIZE_T offset) const { return address_ + offset; }
    bool write(SIZE_T offset, const void* data, SIZE_T size) const {
        return WriteProcessMemory(process_, at(offset), data, size, nullptr) != 0;
    }
    bool read(SIZE_T offset, void* data, SIZE_T size) const {
        return ReadProcessMemory(process_, at(offset), data, size, nullptr) != 0;
    }

private:
    HANDLE process_ = nullptr;
    char* address_ = nullptr;
};

constexpr SIZE_T TEXT_CHARACTERS = 512;
// The remote buffer: a control's item structure, then its text, then a rectangle.
constexpr SIZE_T TEXT_OFFSET = 256;
constexpr SIZE_T RECT_OFFSET = TEXT_OFFSET + TEXT_CHARACTERS * sizeof(wchar_t);
constexpr SIZE_T REMOTE_SIZE = RECT_OFFSET + sizeof(RECT);

HWND visible_child_of_class(HWND parent, const std::wstring& class_name) {
    for (HWND child : child_windows(parent)) {
        if (IsWindowVisible(child) && harness::class_name(child) == class_name) {
            return child;
        }
    }
    return nullptr;
}

// Asks the control for the text of each item in turn (`item_text` fills in the request) and
// then for the rectangle of the first item with the wanted text, in the control's coordinates.
struct FoundItem {
    int index;
    RECT rect;
};

template <typename Item, typename Ask>
std::optional<FoundItem> item_rect(HWND control, const std::wstring& wanted, UINT count_message,
                                   UINT text_message, UINT rect_message, LPARAM rect_code,
                                   Ask ask) {
    const RemoteBuffer remote(control, REMOTE_SIZE);
    if (!remote.usable()) {
        return std::nullopt;
    }
    const auto count = static_cast<int>(SendMessageW(control, count_message, 0, 0));
    for (int index = 0; index < count; ++index) {
        Item item{};
        ask(item, reinterpret_cast<wchar_t*>(remote.at(TEXT_OFFSET)), int(TEXT_CHARACTERS));
        const wchar_t nothing = 0;
        wchar_t text[TEXT_CHARACTERS] = {};
        if (!remote.write(0, &item, sizeof(item)) ||
            !remote.write(TEXT_OFFSET, &nothing, sizeof(nothing))) {
            return std::nullopt;
        }
        SendMessageW(control, text_message, index, reinterpret_cast<LPARAM>(remote.at(0)));
        if (!remote.read(TEXT_OFFSET, text, sizeof(text) - sizeof(wchar_t)) ||
            as_read(text) != as_read(wanted)) {
            continue;
        }
        RECT rect{static_cast<LONG>(rect_code), 0, 0, 0};
        if (!remote.write(RECT_OFFSET, &rect, sizeof(rect)) ||
            !SendMessageW(control, rect_message, index,
                          reinterpret_cast<LPARAM>(remote.at(RECT_OFFSET))) ||
            !remote.read(RECT_OFFSET, &rect, sizeof(rect))) {
            return std::nullopt;
        }
        return FoundItem{index, rect};
    }
    return std::nullopt;
}

// What `where` found: its rectangle on the screen, and whether it is the selected item.
struct Spot {
    RECT rect;
    bool selected;
};

std::optional<Spot> tab_spot(HWND window, const std::wstring& caption) {
    HWND tabs = visible_child_of_class(window, WC_TABCONTROLW);
    if (tabs == nullptr) {
        return std::nullopt;
    }
    auto found = item_rect<TCITEMW>(tabs, caption, TCM_GETITEMCOUNT, TCM_GETITEMW, TCM_GETITEMRECT,
                                    0, [](TCITEMW& item, wchar_t* text, int size) {
                                        item.mask = TCIF_TEXT;
                                        item.pszText = text;
                                        item.cchTextMax = size;
                                    });
    if (!found) {
        return std::nullopt;
    }
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&found->rect), 2);
    return Spot{found->rect, SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == found->index};
}

std::optional<Spot> row_spot(HWND window, const std::wstring& text) {
    HWND list = visible_child_of_class(window, WC_LISTVIEWW);
    if (list == nullptr) {
        return std::nullopt;
    }
    auto found = item_rect<LVITEMW>(list, text, LVM_GETITEMCOUNT, LVM_GETITEMTEXTW, LVM_GETITEMRECT,
                                    LVIR_BOUNDS, [](LVITEMW& item, wchar_t* buffer, int size) {
                                        item.iSubItem = 0;
                                        item.pszText = buffer;
                                        item.cchTextMax = size;
                                    });
    if (!found) {
        return std::nullopt;
    }
    // The columns may reach past the list's right edge: only the part in view takes a click.
    RECT client{};
    GetClientRect(list, &client);
    if (!IntersectRect(&found->rect, &found->rect, &client)) {
        return std::nullopt;
    }
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&found->rect), 2);
    const auto state = SendMessageW(list, LVM_GETITEMSTATE, found->index, LVIS_SELECTED);
    return Spot{found->rect, (state & LVIS_SELECTED) != 0};
}

std::optional<Spot> control_spot(HWND window, const std::wstring& caption) {
    for (HWND child : child_windows(window)) {
        RECT rect{};
        if (IsWindowVisible(child) && as_read(harness::window_text(child)) == as_read(caption) &&
            GetWindowRect(child, &rect)) {
            return Spot{rect, false};
        }
    }
    return std::nullopt;
}

int where(const std::vector<std::wstring>& arguments) {
    HWND window = visible_window_titled(arguments[1]);
    if (window == nullptr) {
        return 1;
    }
    const std::wstring& kind = arguments[2];
    const std::wstring text = arguments.size() > 3 ? arguments[3] : L"";
    std::optional<Spot> spot;
    RECT whole{};
    GetWindowRect(window, &whole);
    if (kind == L"tab") {
        spot = tab_spot(window, text);
    } else if (kind == L"row") {
        spot = row_spot(window, text);
    } else if (kind == L"control") {
        spot = control_spot(window, text);
    } else if (kind == L"client") {
        RECT client{};
        GetClientRect(window, &client);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
        spot = Spot{client, false};
    } else if (kind == L"caption") {
        const int top = whole.top + GetSystemMetrics(SM_CYFRAME);
        spot =
            Spot{RECT{whole.left, top, whole.right, top + GetSystemMetrics(SM_CYCAPTION)}, false};
    }
    if (!spot) {
        return 1;
    }
    const RECT& rect = spot->rect;
    say(std::to_wstring((rect.left + rect.right) / 2) + L" " +
        std::to_wstring((rect.top + rect.bottom) / 2) + (spot->selected ? L" selected" : L""));
    return 0;
}

int local_time() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    say(std::to_wstring(now.wHour) + L" " + std::to_wstring(now.wMinute) + L" " +
        std::to_wstring(now.wSecond));
    return 0;
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
    if (arguments.size() == 1 && arguments[0] == L"tips") {
        return tips();
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
    if (arguments.size() == 1 && arguments[0] == L"time") {
        return local_time();
    }
    if ((arguments.size() == 3 || arguments.size() == 4) && arguments[0] == L"where") {
        return where(arguments);
    }
    std::wcerr << L"usage: probe.exe list | texts TITLE | click TITLE CAPTION | command TITLE ID"
                  L" | tips | post TITLE MESSAGE WPARAM LPARAM | foreground | time | where TITLE "
                  L"KIND [TEXT]\n";
    return 2;
}
