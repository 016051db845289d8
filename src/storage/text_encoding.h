#pragma once

#include <string>
#include <string_view>

// How the text of a data file is stored as bytes.
//
// The rule for every data file:
// - Saving: when every character of the tree is U+0000 to U+00FF (and the file did not come
//   with a UTF-8 byte-order mark), the file is single-byte ISO 8859-1 text with no encoding in
//   its declaration, the form older files have. Otherwise it is UTF-8 and its declaration
//   says encoding="UTF-8".
// - Loading: a file that starts with a UTF-8 byte-order mark, or whose declaration names
//   UTF-8, is decoded as UTF-8; every other file byte by byte, each byte becoming the
//   character of the same value.
enum class TextEncoding { latin1, utf8 };

// True when every character is U+0000 to U+00FF, so one byte can hold each.
bool fits_latin1(std::wstring_view text);

// Latin-1 text must fit (see fits_latin1). In UTF-8, a surrogate pair (where wchar_t is 16
// bits) becomes one four-byte sequence; an unpaired surrogate is kept as its own three-byte
// sequence so that the text reads back unchanged.
std::string encode_text(std::wstring_view text, TextEncoding encoding);

// A malformed UTF-8 sequence becomes U+FFFD, one per byte that cannot start a character.
// Characters above U+FFFF become surrogate pairs where wchar_t is 16 bits.
std::wstring decode_text(std::string_view bytes, TextEncoding encoding);

// What the start of a document says about its encoding: a UTF-8 byte-order mark, or an XML
// declaration whose encoding is "UTF-8" (or "UTF8"), in any letter case.
TextEncoding detect_encoding(std::string_view document);

// A document meant as UTF-8 in which a byte does not belong to a well-formed sequence (a
// character re-saved in a single-byte code page) has that byte replaced by the UTF-8 form of
// the character of the same value, as a file without a declaration reads it.
std::string with_stray_bytes_as_characters(std::string_view document);

// True when the document starts with a UTF-16 byte-order mark, little- or big-endian.
bool starts_as_utf16(std::string_view document);

// A UTF-16 document (see starts_as_utf16) as UTF-8 behind a UTF-8 byte-order mark, an unpaired
// surrogate kept as its own three bytes. False for an odd number of bytes.
bool utf16_to_utf8(std::string_view document, std::string& utf8);

inline constexpr std::string_view UTF8_BYTE_ORDER_MARK = "\xEF\xBB\xBF";
