#include "app/file_system.h"

#include "app/diagnostic_log.h"
#include "app/file_system_platform.h"

namespace {

std::wstring trim_spaces(const std::wstring& text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return {};
    const auto last = text.find_last_not_of(L' ');
    return text.substr(first, last - first + 1);
}

bool is_ascii_letter(wchar_t character) {
    return (character >= L'a' && character <= L'z') || (character >= L'A' && character <= L'Z');
}

// A lone character that is not a letter (".", "/") cannot be a folder worth keeping; a lone
// letter is kept as a drive-relative prefix.
std::wstring directory_prefix(const std::wstring& directory) {
    if (directory.empty())
        return {};
    if (directory.size() == 1 && !is_ascii_letter(directory[0]))
        return {};
    const wchar_t last = directory.back();
    if (last == L'\\' || last == L'/')
        return directory;
    return directory + L'/';
}

// Every separator becomes `separator`, and no two follow each other.
std::wstring with_single_separators(const std::wstring& path, wchar_t separator) {
    std::wstring collapsed;
    collapsed.reserve(path.size());
    for (wchar_t character : path) {
        if (character == L'\\' || character == L'/') {
            if (!collapsed.empty() && collapsed.back() == separator)
                continue;
            character = separator;
        }
        collapsed.push_back(character);
    }
    return collapsed;
}

constexpr std::wstring_view UNC_PREFIX = L"\\\\";
constexpr std::wstring_view VERBATIM_PREFIX = L"\\\\?\\";

} // namespace

bool read_file(FileBuffer& buffer, const std::wstring& path, std::uint32_t max_size) {
    buffer = FileBuffer{};
    std::vector<unsigned char> bytes;
    if (!load_regular_file(path, max_size, bytes)) {
        log_path_message("Unable to load file: %s.", path);
        return false;
    }
    buffer.size = static_cast<std::uint32_t>(bytes.size());
    buffer.data = std::move(bytes);
    return true;
}

// A share's path keeps its leading pair of backslashes, which one slash would turn into a
// folder of the current drive, and a verbatim path keeps its prefix and takes backslashes
// only, since the system reads a slash in it as part of a name.
std::wstring join_path(const std::wstring& directory, const std::wstring& file_name) {
    const std::wstring path = directory_prefix(trim_spaces(directory)) + trim_spaces(file_name);
    if (path.starts_with(VERBATIM_PREFIX))
        return std::wstring(VERBATIM_PREFIX) +
               with_single_separators(path.substr(VERBATIM_PREFIX.size()), L'\\');
    if (path.starts_with(UNC_PREFIX))
        return std::wstring(UNC_PREFIX) +
               with_single_separators(path.substr(UNC_PREFIX.size()), L'/');
    return with_single_separators(path, L'/');
}

std::wstring set_file_aside(const std::wstring& path) {
    // A bound keeps a folder that refuses every rename from holding the start-up forever.
    constexpr int MOST_KEPT_COPIES = 1000;
    for (int number = 1; number <= MOST_KEPT_COPIES; ++number) {
        const std::wstring kept =
            path + L".unreadable" + (number == 1 ? L"" : L"." + std::to_wstring(number));
        if (path_exists(kept))
            continue;
        return rename_file(path, kept) ? kept : std::wstring();
    }
    return {};
}

bool prepare_directory(const std::wstring& parent, const std::wstring& folder_name,
                       std::wstring& directory) {
    // A share or a verbatim path is not normalised by every system, so it takes one backslash.
    const std::wstring path =
        parent + (parent.starts_with(UNC_PREFIX) ? L"\\" : L"//") + folder_name;
    if (!is_directory(path) && !create_directory(path))
        return false;
    directory = path;
    return true;
}

bool prepare_application_directory(const std::wstring& folder_name, std::wstring& directory) {
    std::wstring data_folder;
    return find_roaming_data_folder(data_folder) &&
           prepare_directory(data_folder, folder_name, directory);
}
