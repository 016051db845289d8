// The tests' peer program: it opens top-level windows in a process of its own and changes them
// on command, so that tests act on real foreign windows.
//
// peer.exe [TITLE...] opens one window per title (indices 0, 1, ...), prints "ready", then reads
// commands from standard input, one a line, and answers each with a line "ok ..." or "error ...":
//   open TITLE                                  another window; answers "ok INDEX HANDLE"
//   owned INDEX TITLE                           a window owned by window INDEX
//   minimize|maximize|restore|hide|show|close INDEX
//   title INDEX TITLE                           gives window INDEX a new title
//   list                                        "window<TAB>INDEX<TAB>HANDLE<TAB>VISIBLE<TAB>
//                                               SHOWCMD<TAB>TITLE" per open window, then "ok"
//   message CAPTION<TAB>TEXT                    a modal OK/Cancel box; answers "ok ANSWER"
//   hotkey MODIFIERS KEY                        registers a global hot key; answers "ok ID", and
//                                               every press prints "event hotkey ID"
//   quit                                        ends the program with exit code 0
// A menu command (WM_COMMAND) that reaches a window prints "event command HANDLE ID".
// End of input ends the program too.
#include "harness/utf8_win.h"
#include "harness/window_text_win.h"

#include <windows.h>

#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT command_message = WM_APP + 1;
constexpr UINT input_ended_message = WM_APP + 2;
constexpr wchar_t peer_class[] = L"HushcloakTestPeer";
constexpr wchar_t control_class[] = L"HushcloakTestPeerControl";

void say(const std::wstring& line) {
    std::cout << harness::to_utf8(line) << '\n' << std::flush;
}

class Peer {
public:
    explicit Peer(HINSTANCE instance) : instance_(instance) {}
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    void attach(HWND control) { control_ = control; }

    int open(const std::wstring& title, HWND owner) {
        const int offset = 40 * static_cast<int>(windows_.size() % 10);
        HWND window =
            CreateWindowExW(0, peer_class, title.c_str(), WS_OVERLAPPEDWINDOW, 60 + offset,
                            60 + offset, 420, 240, owner, nullptr, instance_, nullptr);
        if (window == nullptr) {
            return -1;
        }
        ShowWindow(window, SW_SHOWNORMAL);
        windows_.push_back(window);
        return static_cast<int>(windows_.size()) - 1;
    }

    void run(const std::wstring& line) {
        std::wistringstream input(line);
        std::wstring verb;
        input >> verb;
        std::wstring rest;
        std::getline(input >> std::ws, rest);
        say(execute(verb, rest));
    }

    void unregister_hot_keys() {
        for (int id = first_hot_key_id; id < next_hot_key_id_; ++id) {
            UnregisterHotKey(control_, id);
        }
    }

private:
    static constexpr int first_hot_key_id = 100;

    std::wstring execute(const std::wstring& verb, const std::wstring& rest) {
        if (verb == L"open") {
            return opened(open(rest, nullptr));
        }
        if (verb == L"list") {
            list();
            return L"ok";
        }
        if (verb == L"message") {
            return show_message(rest);
        }
        if (verb == L"hotkey") {
            return register_hot_key(rest);
        }
        if (verb == L"quit") {
            PostQuitMessage(0);
            return L"ok";
        }
        return execute_on_window(verb, rest);
    }

    std::wstring execute_on_window(const std::wstring& verb, const std::wstring& rest) {
        std::wistringstream input(rest);
        size_t index = 0;
        if (!(input >> index) || index >= windows_.size() || windows_[index] == nullptr) {
            return L"error no such window";
        }
        std::wstring text;
        std::getline(input >> std::ws, text);
        HWND window = windows_[index];
        if (verb == L"owned") {
            return opened(open(text, window));
        }
        if (verb == L"title") {
            return SetWindowTextW(window, text.c_str()) ? L"ok" : L"error title not set";
        }
        if (verb == L"close") {
            DestroyWindow(window);
            windows_[index] = nullptr;
            return L"ok";
        }
        const int command = show_command_named(verb);
        if (command < 0) {
            return L"error unknown command " + verb;
        }
        ShowWindow(window, command);
        return L"ok";
    }

    static int show_command_named(const std::wstring& verb) {
        if (verb == L"minimize") {
            return SW_MINIMIZE;
        }
        if (verb == L"maximize") {
            return SW_MAXIMIZE;
        }
        if (verb == L"restore") {
            return SW_RESTORE;
        }
        if (verb == L"hide") {
            return SW_HIDE;
        }
        if (verb == L"show") {
            return SW_SHOW;
        }
        return -1;
    }

    std::wstring opened(int index) const {
        if (index < 0) {
            return L"error window not created";
        }
        return L"ok " + std::to_wstring(index) + L" " + harness::handle_text(windows_[index]);
    }

    void list() const {
        for (size_t index = 0; index < windows_.size(); ++index) {
            HWND window = windows_[index];
            if (window == nullptr) {
                continue;
            }
            say(L"window\t" + std::to_wstring(index) + L"\t" + harness::handle_text(window) +
                L"\t" + (IsWindowVisible(window) ? L"1" : L"0") + L"\t" +
                std::to_wstring(harness::show_command(window)) + L"\t" +
                harness::window_text(window));
        }
    }

    std::wstring show_message(const std::wstring& rest) const {
        const size_t tab = rest.find(L'\t');
        const std::wstring caption = rest.substr(0, tab);
        const std::wstring text = tab == std::wstring::npos ? L"" : rest.substr(tab + 1);
        const int answer = MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OKCANCEL);
        return L"ok " + std::to_wstring(answer);
    }

    std::wstring register_hot_key(const std::wstring& rest) {
        std::wistringstream input(rest);
        UINT modifiers = 0;
        UINT key = 0;
        if (!(input >> modifiers >> key)) {
            return L"error hotkey needs MODIFIERS KEY";
        }
        const int id = next_hot_key_id_;
        if (!RegisterHotKey(control_, id, modifiers, key)) {
            return L"error hot key refused";
        }
        ++next_hot_key_id_;
        return L"ok " + std::to_wstring(id);
    }

    HINSTANCE instance_;
    HWND control_ = nullptr;
    std::vector<HWND> windows_;
    int next_hot_key_id_ = first_hot_key_id;
};

LRESULT CALLBACK control_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* peer = reinterpret_cast<Peer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE: {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        break;
    }
    case command_message:
        peer->run(*reinterpret_cast<const std::wstring*>(lparam));
        return 0;
    case input_ended_message:
        PostQuitMessage(0);
        return 0;
    case WM_HOTKEY:
        say(L"event hotkey " + std::to_wstring(wparam));
        return 0;
    case WM_DESTROY:
        peer->unregister_hot_keys();
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK peer_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND) {
        say(L"event command " + harness::handle_text(window) + L" " +
            std::to_wstring(LOWORD(wparam)));
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

bool register_classes(HINSTANCE instance) {
    WNDCLASSEXW peer_window{};
    peer_window.cbSize = sizeof(peer_window);
    peer_window.lpfnWndProc = peer_window_procedure;
    peer_window.hInstance = instance;
    peer_window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    peer_window.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    peer_window.lpszClassName = peer_class;

    WNDCLASSEXW control_window{};
    control_window.cbSize = sizeof(control_window);
    control_window.lpfnWndProc = control_procedure;
    control_window.hInstance = instance;
    control_window.lpszClassName = control_class;
    return RegisterClassExW(&peer_window) != 0 && RegisterClassExW(&control_window) != 0;
}

// Hands each line of standard input to the user-interface thread and waits until it is done.
void read_commands(HWND control) {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::wstring command = harness::from_utf8(line);
        SendMessageW(control, command_message, 0, reinterpret_cast<LPARAM>(&command));
    }
    PostMessageW(control, input_ended_message, 0, 0);
}

int run_message_loop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    harness::use_binary_standard_streams();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!register_classes(instance)) {
        say(L"error window classes not registered");
        return 1;
    }
    Peer peer(instance);
    HWND control = CreateWindowExW(0, control_class, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   instance, &peer);
    if (control == nullptr) {
        say(L"error control window not created");
        return 1;
    }
    peer.attach(control);
    for (int argument = 1; argument < argc; ++argument) {
        if (peer.open(argv[argument], nullptr) < 0) {
            say(L"error window not created");
            return 1;
        }
    }
    say(L"ready");
    std::thread reader(read_commands, control);
    reader.detach();
    const int exit_code = run_message_loop();
    DestroyWindow(control);
    return exit_code;
}
