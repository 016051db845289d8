#include "harness/window_text_win.h"

#include <array>
#include <cstdint>
#include <cwchar>

namespace harness {

std::wstring window_text(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring control_text(HWND control) {
    constexpr UINT wait_ms = 2000;
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, wait_ms, &length))
        return window_text(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXT, text.size(),
                             reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, wait_ms,
                             &copied))
        return window_text(control);
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring class_name(HWND window) {
    std::array<wchar_t, 256> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return std::wstring(name.data(), static_cast<size_t>(length));
}

UINT show_command(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    return placement.showCmd;
}

std::wstring handle_text(HWND window) {
    std::array<wchar_t, 32> text{};
    std::swprintf(text.data(), text.size(), L"0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
    return text.data();
}

} // namespace harness
