#pragma once

#include <string_view>

// The XML parser follows nested elements by recursion and checks every new attribute against
// all earlier ones of its element, so a hostile document can exhaust the stack or take hours.
// Files this program writes nest four deep and carry at most nine attributes per element.
inline constexpr int MAX_ELEMENT_DEPTH = 256;
inline constexpr int MAX_ATTRIBUTES_PER_ELEMENT = 256;

// A quick pass over the markup, before the parser sees it: false when elements nest deeper
// than MAX_ELEMENT_DEPTH or one start tag holds more than MAX_ATTRIBUTES_PER_ELEMENT
// attributes. Comments, CDATA sections, declarations and quoted values are stepped over as
// the parser reads them, so markup inside them does not count.
bool is_within_parser_limits(std::string_view document);
