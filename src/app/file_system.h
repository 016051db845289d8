#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A whole file loaded into memory, as the data files are read.
struct FileBuffer {
    std::uint32_t size = 0;
    std::uint32_t position = 0;
    std::vector<unsigned char> data;
};

// Loads a whole file. Fails (logging "Unable to load file: %s.") when the path is missing,
// names a folder or cannot be opened.
bool read_file(FileBuffer& buffer, const std::wstring& path);

// What a saved file must outlive. A file that only has to outlive the program that wrote it,
// such as one whose content is void after a restart of the system, is left to the system's
// cache: flushing it to disk would make each save many times slower.
enum class Durability { system_failure, program_end };

// Replaces the file at `path` with `bytes` in one step: the bytes go to a new file beside it,
// are flushed to disk (for `Durability::system_failure`), and the new file then takes the old
// one's place. A failure at any point leaves the old file as it was.
bool write_file_atomically(const std::wstring& path, const std::string& bytes,
                           Durability durability = Durability::system_failure);

// Joins a folder and a file name into a path with forward slashes only and no doubled slash.
std::wstring join_path(const std::wstring& directory, const std::wstring& file_name);

// The process's current directory, ending in a backslash.
std::wstring get_current_directory();

// Finds (creating it when needed) the per-user data folder named `folder_name` inside the
// roaming application-data folder. False when neither works.
bool prepare_application_directory(const std::wstring& folder_name, std::wstring& directory);

// Makes sure the folder `parent` + "//" + `folder_name` exists, creating it when needed, and
// hands back that path. The doubled slash is kept: it is the form the log has always shown.
bool prepare_directory(const std::wstring& parent, const std::wstring& folder_name,
                       std::wstring& directory);
