#pragma once

#include <string>

// The last component of a path, with either kind of slash as the separator. Empty when the
// path has no separator or ends in one. Letter case is kept.
std::wstring file_name_of(const std::wstring& path);
