#pragma once

#include <string>
#include <vector>

// The process-wide list of diagnostic sentences. Lines are only ever appended; the whole
// list is written to the log file at the end of start-up and again at exit.
void log_message(const std::wstring& line);

// Appends a line built from a printf-style format with one %s standing for a path. The path
// stays wide text, so folders named in any script appear in the log unchanged.
void log_path_message(const char* format, const std::wstring& path);

const std::vector<std::wstring>& diagnostic_messages();

// Rewrites the log file whole: one line per message, each ending in CR LF, one byte per
// character; a character that one byte cannot hold is written as '?'. False when the file
// cannot be written.
bool write_log(const std::vector<std::wstring>& messages, const std::wstring& log_path);
