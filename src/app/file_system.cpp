#include "app/file_system.h"

#include "app/diagnostic_log.h"
#include "app/file_system_platform.h"

#include <limits>

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

std::wstring with_single_forward_slashes(std::wstring path) {
    for (auto& character : path) {
        if (character == L'\\')
            character = L'/';
    }
    std::wstring collapsed;
    collapsed.reserve(path.size());
    for (wchar_t character : path) {
        if (character == L'/' && !collapsed.empty() && collapsed.back() == L'/')
            continue;
        collapsed.push_back(character);
    }
    return collapsed;
}

} // namespace

bool read_file(FileBuffer& buffer, const std::wstring& path) {
    buffer = FileBuffer{};
    std::vector<unsigned char> bytes;
    if (!load_regular_file(path, std::numeric_limits<std::uint32_t>::max(), bytes)) {
        log_path_message("Unable to load file: %s.", path);
        return false;
    }
    buffer.size = static_cast<std::uint32_t>(bytes.size());
    buffer.data = std::move(bytes);
    return true;
}

std::wstring join_path(const std::wstring& directory, const std::wstring& file_name) {
    return with_single_forward_slashes(directory_prefix(trim_spaces(directory)) +
                                       trim_spaces(file_name));
}

bool prepare_directory(const std::wstring& parent, const std::wstring& folder_name,
                       std::wstring& directory) {
    const std::wstring path = parent + L"//" + folder_name;
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
