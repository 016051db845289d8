#pragma once

#include <string>
#include <string_view>

// One byte per character, as the log file holds its lines. A character that one byte cannot
// hold (above U+00FF, including a surrogate pair as one character) becomes '?', so the rest
// of the text survives.
std::string to_single_byte_text(std::wstring_view text);

// Each byte becomes the character of the same value.
std::wstring from_single_byte_text(std::string_view bytes);
