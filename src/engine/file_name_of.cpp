#include "engine/file_name_of.h"

std::wstring file_name_of(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) {
        return {};
    }
    return path.substr(separator + 1);
}
