#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace harness {

// Runs this thread's messages through `handle` (a message loop's body) until the key message
// (or its Alt form) has passed, or 30 seconds went by. False for the latter.
inline bool run_messages_until(UINT key_message, WORD key,
                               const std::function<void(MSG&)>& handle) {
    const ULONGLONG deadline = GetTickCount64() + 30000;
    MSG message{};
    while (GetTickCount64() < deadline) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            continue;
        }
        const bool awaited = (message.message == key_message ||
                              message.message == key_message + WM_SYSKEYDOWN - WM_KEYDOWN) &&
                             message.wParam == key;
        handle(message);
        if (awaited) {
            return true;
        }
    }
    return false;
}

// Presses the keys together with real input and lets them go in reverse order, as a user would;
// returns once the last key pressed and then the first one released have passed `handle`.
inline bool press_keys(std::initializer_list<WORD> keys, const std::function<void(MSG&)>& handle) {
    std::vector<INPUT> downs;
    std::vector<INPUT> ups;
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        downs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        ups.insert(ups.begin(), input);
    }
    SendInput(static_cast<UINT>(downs.size()), downs.data(), sizeof(INPUT));
    if (!run_messages_until(WM_KEYDOWN, *std::rbegin(keys), handle)) {
        return false;
    }
    SendInput(static_cast<UINT>(ups.size()), ups.data(), sizeof(INPUT));
    return run_messages_until(WM_KEYUP, *keys.begin(), handle);
}

} // namespace harness
