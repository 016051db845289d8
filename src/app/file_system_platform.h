#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The few file services that differ between Windows and the Linux stand-in. Paths are wide
// text end to end; no path is ever narrowed to a code page.

// Loads a regular file of at most `max_size` bytes. False when it is missing, is a folder,
// is larger or cannot be read.
bool load_regular_file(const std::wstring& path, std::uint64_t max_size,
                       std::vector<unsigned char>& bytes);

bool is_directory(const std::wstring& path);

// Renames a file; false when that fails, also when anything already has the new name.
bool rename_file(const std::wstring& from, const std::wstring& to);

// Creates one folder (its parent must exist). False when that fails, also when anything of
// that name is already there.
bool create_directory(const std::wstring& path);

// The current user's roaming application-data folder. False when the system has none.
bool find_roaming_data_folder(std::wstring& folder);
