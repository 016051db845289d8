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

// Loads a whole file of at most `max_size` bytes. Fails (logging "Unable to load file: %s.")
// when the path is missing, names a folder, cannot be opened or is larger; a larger file is
// refused before any memory is set aside for it.
bool read_file(FileBuffer& buffer, const std::wstring& path, std::uint32_t max_size);

// True when anything, file or folder, has this path.
bool path_exists(const std::wstring& path);

// Moves the file at `path` out of the way, renaming it to `path` + ".unreadable" or, when that
// is taken, ".unreadable.2", ".unreadable.3" and so on, so that nothing written to `path`
// later can replace what it held. The new path, or empty when the file could not be renamed.
std::wstring set_file_aside(const std::wstring& path);

// What a saved file must outlive. A file that only has to outlive the program that wrote it,
// such as one whose content is void after a restart of the system, is left to the system's
// cache: flushing it to disk would make each save many times slower.
enum class Durability { system_failure, program_end };

// Replaces the file at `path` with `bytes` in one step: the bytes go to a new file beside it,
// are flushed to disk (for `Durability::system_failure`), and the new file then takes the old
// one's place. A failure at any point leaves the old file as it was.
bool write_file_atomically(const std::wstring& path, const std::string& bytes,
                           Durability durability = Durability::system_failure);

// Joins a folder and a file name into a path with forward slashes only and no doubled slash,
// except that a share's leading "\\\\" stays, and a path that starts "\\\\?\\" stays so and
// takes backslashes only.
std::wstring join_path(const std::wstring& directory, const std::wstring& file_name);

// The process's current directory, ending in a backslash.
std::wstring get_current_directory();

// Finds (creating it when needed) the per-user data folder named `folder_name` inside the
// roaming application-data folder. False when neither works.
bool prepare_application_directory(const std::wstring& folder_name, std::wstring& directory);

// Makes sure the folder `parent` + "//" + `folder_name` exists, creating it when needed, and
// hands back that path. The doubled slash is kept: it is the form the log has always shown.
// A share's `parent` (starting "\\\\") takes one backslash instead.
bool prepare_directory(const std::wstring& parent, const std::wstring& folder_name,
                       std::wstring& directory);
