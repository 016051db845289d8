#include "storage/text_encoding.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;
constexpr char32_t LARGEST_CODE_POINT = 0x10FFFF;
constexpr bool WIDE_CHARACTERS_ARE_UTF16 = sizeof(wchar_t) == 2;

bool is_high_surrogate(char32_t value) {
    return value >= 0xD800 && value <= 0xDBFF;
}
bool is_low_surrogate(char32_t value) {
    return value >= 0xDC00 && value <= 0xDFFF;
}

void append_utf8(std::string& bytes, char32_t code_point) {
    auto byte = [](char32_t value) { return static_cast<char>(static_cast<unsigned char>(value)); };
    if (code_point < 0x80) {
        bytes += byte(code_point);
    } else if (code_point < 0x800) {
        bytes += byte(0xC0 | (code_point >> 6));
        bytes += byte(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        bytes += byte(0xE0 | (code_point >> 12));
        bytes += byte(0x80 | ((code_point >> 6) & 0x3F));
        bytes += byte(0x80 | (code_point & 0x3F));
    } else {
        bytes += byte(0xF0 | (code_point >> 18));
        bytes += byte(0x80 | ((code_point >> 12) & 0x3F));
        bytes += byte(0x80 | ((code_point >> 6) & 0x3F));
        bytes += byte(0x80 | (code_point & 0x3F));
    }
}

std::string encode_utf8(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code_point = static_cast<std::make_unsigned_t<wchar_t>>(text[i]);
        if (WIDE_CHARACTERS_ARE_UTF16 && is_high_surrogate(code_point) && i + 1 < text.size()) {
            const char32_t next = static_cast<std::make_unsigned_t<wchar_t>>(text[i + 1]);
            if (is_low_surrogate(next)) {
                code_point = 0x10000 + ((code_point - 0xD800) << 10) + (next - 0xDC00);
                ++i;
            }
        }
        if (code_point > LARGEST_CODE_POINT)
            code_point = REPLACEMENT_CHARACTER;
        append_utf8(bytes, code_point);
    }
    return bytes;
}

void append_wide(std::wstring& text, char32_t code_point) {
    if (WIDE_CHARACTERS_ARE_UTF16 && code_point >= 0x10000) {
        const char32_t offset = code_point - 0x10000;
        text += static_cast<wchar_t>(0xD800 + (offset >> 10));
        text += static_cast<wchar_t>(0xDC00 + (offset & 0x3FF));
    } else {
        text += static_cast<wchar_t>(code_point);
    }
}

struct DecodedCharacter {
    char32_t code_point = REPLACEMENT_CHARACTER;
    std::size_t length = 1;
};

struct SequenceStart {
    std::size_t length = 0;
    char32_t bits = 0;
    char32_t smallest = 0;
};

// What a lead byte says of its sequence; length 0 for a byte that cannot start one.
SequenceStart sequence_start(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2, lead & 0x1Fu, 0x80};
    if (lead >= 0xE0 && lead <= 0xEF)
        return {3, lead & 0x0Fu, 0x800};
    if (lead >= 0xF0 && lead <= 0xF4)
        return {4, lead & 0x07u, 0x10000};
    return {};
}

// One character from the start of `bytes`. Overlong forms, values above U+10FFFF and
// truncated sequences are malformed; encoded surrogates are accepted, since the encoder
// writes an unpaired surrogate that way.
DecodedCharacter decode_utf8_character(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return {lead, 1};
    const SequenceStart start = sequence_start(lead);
    if (start.length == 0 || bytes.size() < start.length)
        return {};
    char32_t code_point = start.bits;
    for (std::size_t i = 1; i < start.length; ++i) {
        const auto continuation = static_cast<unsigned char>(bytes[i]);
        if ((continuation & 0xC0) != 0x80)
            return {};
        code_point = (code_point << 6) | (continuation & 0x3F);
    }
    if (code_point < start.smallest || code_point > LARGEST_CODE_POINT)
        return {};
    return {code_point, start.length};
}

std::wstring decode_utf8(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const DecodedCharacter character = decode_utf8_character(bytes);
        append_wide(text, character.code_point);
        bytes.remove_prefix(character.length);
    }
    return text;
}

char ascii_upper(char character) {
    return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A')
                                                : character;
}

bool equals_ignoring_case(std::string_view text, std::string_view upper_case) {
    return std::equal(text.begin(), text.end(), upper_case.begin(), upper_case.end(),
                      [](char a, char b) { return ascii_upper(a) == b; });
}

bool is_xml_space(char character) {
    return character == ' ' || character == '\t' || character == '\r' || character == '\n';
}

// The value of the declaration's encoding attribute, or empty. The parser ends a declaration
// at its first '>'.
std::string_view declared_encoding(std::string_view document) {
    const auto start = document.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos ||
        !equals_ignoring_case(document.substr(start, 5), "<?XML"))
        return {};
    std::string_view declaration = document.substr(start, document.find('>', start) - start);
    const auto name = declaration.find("encoding");
    if (name == std::string_view::npos)
        return {};
    std::size_t position = name + 8;
    while (position < declaration.size() && is_xml_space(declaration[position]))
        ++position;
    if (position >= declaration.size() || declaration[position] != '=')
        return {};
    ++position;
    while (position < declaration.size() && is_xml_space(declaration[position]))
        ++position;
    if (position >= declaration.size())
        return {};
    const char quote = declaration[position];
    if (quote != '"' && quote != '\'')
        return {};
    const auto end = declaration.find(quote, position + 1);
    if (end == std::string_view::npos)
        return {};
    return declaration.substr(position + 1, end - position - 1);
}

} // namespace

bool fits_latin1(std::wstring_view text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t character) {
        return static_cast<std::make_unsigned_t<wchar_t>>(character) <= 0xFF;
    });
}

std::string encode_text(std::wstring_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::utf8)
        return encode_utf8(text);
    std::string bytes(text.size(), '\0');
    std::transform(text.begin(), text.end(), bytes.begin(),
                   [](wchar_t character) { return static_cast<char>(character); });
    return bytes;
}

std::wstring decode_text(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::utf8)
        return decode_utf8(bytes);
    std::wstring text(bytes.size(), L'\0');
    std::transform(bytes.begin(), bytes.end(), text.begin(), [](char byte) {
        return static_cast<wchar_t>(static_cast<unsigned char>(byte));
    });
    return text;
}

TextEncoding detect_encoding(std::string_view document) {
    if (document.starts_with(UTF8_BYTE_ORDER_MARK))
        return TextEncoding::utf8;
    const std::string_view name = declared_encoding(document);
    return equals_ignoring_case(name, "UTF-8") || equals_ignoring_case(name, "UTF8")
               ? TextEncoding::utf8
               : TextEncoding::latin1;
}

std::string with_stray_bytes_as_characters(std::string_view document) {
    std::string repaired;
    repaired.reserve(document.size());
    while (!document.empty()) {
        const auto lead = static_cast<unsigned char>(document[0]);
        const DecodedCharacter character = decode_utf8_character(document);
        if (lead >= 0x80 && character.length == 1)
            append_utf8(repaired, lead);
        else
            repaired.append(document.substr(0, character.length));
        document.remove_prefix(character.length);
    }
    return repaired;
}

bool starts_as_utf16(std::string_view document) {
    return document.starts_with("\xFF\xFE") || document.starts_with("\xFE\xFF");
}

bool utf16_to_utf8(std::string_view document, std::string& utf8) {
    if (document.size() % 2 != 0)
        return false;
    const bool big_endian = document[0] == '\xFE';
    const auto unit = [&](std::size_t index) {
        const auto first = static_cast<unsigned char>(document[index * 2]);
        const auto second = static_cast<unsigned char>(document[index * 2 + 1]);
        return big_endian ? char32_t(first << 8 | second) : char32_t(second << 8 | first);
    };
    const std::size_t units = document.size() / 2;
    utf8.assign(UTF8_BYTE_ORDER_MARK);
    for (std::size_t i = 1; i < units; ++i) {
        char32_t code_point = unit(i);
        if (is_high_surrogate(code_point) && i + 1 < units && is_low_surrogate(unit(i + 1))) {
            code_point = 0x10000 + ((code_point - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        }
        append_utf8(utf8, code_point);
    }
    return true;
}
