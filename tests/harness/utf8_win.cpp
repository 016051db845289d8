#include "harness/utf8_win.h"

#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace harness {

std::string to_utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int source_length = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), source_length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), source_length, result.data(), length, nullptr,
                        nullptr);
    return result;
}

std::wstring from_utf8(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int source_length = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), source_length, nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), source_length, result.data(), length);
    return result;
}

void use_binary_standard_streams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

} // namespace harness
