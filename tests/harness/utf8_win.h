#pragma once

#include <string>
#include <string_view>

namespace harness {

// The harness tools talk UTF-8 on their standard streams.
std::string to_utf8(std::wstring_view text);
std::wstring from_utf8(std::string_view text);

// Standard input and output without CR LF translation.
void use_binary_standard_streams();

} // namespace harness
