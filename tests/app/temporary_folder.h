#pragma once

#include <filesystem>
#include <random>
#include <string>

// std::filesystem converts wide text with the "C" locale on Linux, which refuses anything
// beyond ASCII; these go through UTF-8 there instead. Where wchar_t is 16 bits (Windows) the
// path is wide natively.
inline std::filesystem::path path_of(const std::wstring& text) {
    if constexpr (sizeof(wchar_t) == 2) {
        return std::filesystem::path(text);
    } else {
        std::u8string bytes;
        for (wchar_t character : text) {
            const auto code = static_cast<char32_t>(character);
            if (code < 0x80) {
                bytes.push_back(static_cast<char8_t>(code));
            } else if (code < 0x800) {
                bytes.push_back(static_cast<char8_t>(0xC0 | (code >> 6)));
                bytes.push_back(static_cast<char8_t>(0x80 | (code & 0x3F)));
            } else if (code < 0x10000) {
                bytes.push_back(static_cast<char8_t>(0xE0 | (code >> 12)));
                bytes.push_back(static_cast<char8_t>(0x80 | ((code >> 6) & 0x3F)));
                bytes.push_back(static_cast<char8_t>(0x80 | (code & 0x3F)));
            } else {
                bytes.push_back(static_cast<char8_t>(0xF0 | (code >> 18)));
                bytes.push_back(static_cast<char8_t>(0x80 | ((code >> 12) & 0x3F)));
                bytes.push_back(static_cast<char8_t>(0x80 | ((code >> 6) & 0x3F)));
                bytes.push_back(static_cast<char8_t>(0x80 | (code & 0x3F)));
            }
        }
        return std::filesystem::path(bytes);
    }
}

inline std::wstring text_of(const std::filesystem::path& path) {
    if constexpr (sizeof(wchar_t) == 2) {
        return path.wstring();
    } else {
        const std::u8string bytes = path.u8string();
        std::wstring text;
        for (std::size_t i = 0; i < bytes.size();) {
            const char8_t lead = bytes[i];
            const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
            char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
            for (std::size_t k = 1; k < length && i + k < bytes.size(); ++k)
                code = (code << 6) | (bytes[i + k] & 0x3F);
            text.push_back(static_cast<wchar_t>(code));
            i += length;
        }
        return text;
    }
}

// A fresh, empty folder under the system's temporary folder, removed with everything in it
// when the test ends. `name_part` lets a test put characters of any script into the path.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::wstring& name_part = L"hushcloak") {
        std::random_device random;
        do {
            path_ = std::filesystem::temp_directory_path() /
                    path_of(name_part + L"-" + std::to_wstring(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    std::wstring text() const { return text_of(path_); }
    std::wstring file(const std::wstring& name) const { return text_of(path_ / path_of(name)); }

private:
    std::filesystem::path path_;
};
