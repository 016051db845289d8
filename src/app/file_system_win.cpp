// File services through the wide Windows APIs only, so that a data folder under a user name
// in any script works and no path is ever shortened to a code page.
#include "app/file_system.h"
#include "app/file_system_platform.h"
#include "app/unique_handle_win.h"

#include <windows.h>

#include <shlobj.h>

namespace {

constexpr DWORD no_attributes = INVALID_FILE_ATTRIBUTES;

struct FileTraits {
    using pointer = HANDLE;
    static pointer invalid() { return INVALID_HANDLE_VALUE; }
    static void close(pointer file) { CloseHandle(file); }
};
using UniqueFile = UniqueHandle<FileTraits>;

bool read_all(HANDLE file, std::vector<unsigned char>& bytes) {
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const DWORD wanted =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + filled, wanted, &got, nullptr))
            return false;
        if (got == 0)
            break;
        filled += got;
    }
    bytes.resize(filled);
    return true;
}

bool write_all(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD wanted =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 30));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, wanted, &done, nullptr) || done == 0)
            return false;
        written += done;
    }
    return true;
}

bool write_whole_file(const std::wstring& path, const std::string& bytes, bool flush) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && write_all(file.get(), bytes) && (!flush || FlushFileBuffers(file.get()));
}

} // namespace

bool load_regular_file(const std::wstring& path, std::uint64_t max_size,
                       std::vector<unsigned char>& bytes) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == no_attributes || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) ||
        static_cast<std::uint64_t>(size.QuadPart) > max_size)
        return false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    return read_all(file.get(), bytes);
}

bool is_directory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != no_attributes && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool path_exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != no_attributes;
}

bool rename_file(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(), 0) != 0;
}

bool create_directory(const std::wstring& path) {
    return CreateDirectoryW(path.c_str(), nullptr) != 0;
}

bool find_roaming_data_folder(std::wstring& folder) {
    wchar_t buffer[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer)))
        return false;
    folder = buffer;
    return !folder.empty();
}

bool write_file_atomically(const std::wstring& path, const std::string& bytes,
                           Durability durability) {
    const std::wstring temporary = path + L".tmp";
    const bool flush = durability == Durability::system_failure;
    const DWORD move_flags = MOVEFILE_REPLACE_EXISTING | (flush ? MOVEFILE_WRITE_THROUGH : 0);
    if (!write_whole_file(temporary, bytes, flush) ||
        !MoveFileExW(temporary.c_str(), path.c_str(), move_flags)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

std::wstring get_current_directory() {
    std::wstring directory(4095, L'\0');
    DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(directory.size() + 1), directory.data());
    if (length > directory.size()) {
        directory.resize(length);
        length = GetCurrentDirectoryW(length, directory.data());
    }
    directory.resize(length <= directory.size() ? length : 0);
    if (!directory.empty() && directory.back() != L'\\')
        directory += L'\\';
    return directory;
}
