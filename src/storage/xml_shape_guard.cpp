#include "storage/xml_shape_guard.h"

namespace {

// The position just past `terminator` at or after `from`, or the end of the document.
std::size_t skip_past(std::string_view document, std::size_t from, std::string_view terminator) {
    const auto found = document.find(terminator, from);
    return found == std::string_view::npos ? document.size() : found + terminator.size();
}

// The parser takes '<' as the start of an element only before a name's first character; any
// other '<' begins a node it reads up to the next '>'.
bool starts_element_name(char character) {
    const auto byte = static_cast<unsigned char>(character);
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || byte == '_' ||
           byte >= 127;
}

struct StartTag {
    std::size_t end = 0;
    int attributes = 0;
    bool self_closing = false;
};

// Reads a start tag from just after its '<' to just past its '>'.
StartTag read_start_tag(std::string_view document, std::size_t position) {
    StartTag tag;
    while (position < document.size()) {
        const char character = document[position];
        if (character == '"' || character == '\'') {
            position = skip_past(document, position + 1, std::string_view(&character, 1));
            continue;
        }
        if (character == '=') {
            ++tag.attributes;
        } else if (character == '/' && position + 1 < document.size() &&
                   document[position + 1] == '>') {
            tag.self_closing = true;
            tag.end = position + 2;
            return tag;
        } else if (character == '>') {
            tag.end = position + 1;
            return tag;
        }
        ++position;
    }
    tag.end = document.size();
    return tag;
}

} // namespace

bool is_within_parser_limits(std::string_view document) {
    int depth = 0;
    std::size_t position = 0;
    while ((position = document.find('<', position)) != std::string_view::npos) {
        const std::string_view rest = document.substr(position);
        if (rest.starts_with("<!--")) {
            position = skip_past(document, position + 4, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            position = skip_past(document, position + 9, "]]>");
        } else if (rest.starts_with("</")) {
            depth = depth > 0 ? depth - 1 : 0;
            position = skip_past(document, position + 2, ">");
        } else if (rest.size() < 2 || !starts_element_name(rest[1])) {
            position = skip_past(document, position + 1, ">");
        } else {
            const StartTag tag = read_start_tag(document, position + 1);
            if (++depth > MAX_ELEMENT_DEPTH || tag.attributes > MAX_ATTRIBUTES_PER_ELEMENT)
                return false;
            if (tag.self_closing)
                --depth;
            position = tag.end;
        }
    }
    return true;
}
