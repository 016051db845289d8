#pragma once

#include <filesystem>
#include <random>
#include <string>

// std::filesystem converts wide text with the "C" locale on Linux, which refuses anything
// beyond ASCII; text of 32-bit units goes through UTF-8 there instead, whatever the locale.
inline std::filesystem::path path_of(const std::wstring& text) {
    if constexpr (sizeof(wchar_t) == 2)
        return std::filesystem::path(text);
    else
        return std::filesystem::path(std::u32string(text.begin(), text.end()));
}

inline std::wstring text_of(const std::filesystem::path& path) {
    const auto text = path.u32string();
    return sizeof(wchar_t) == 2 ? path.wstring() : std::wstring(text.begin(), text.end());
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
