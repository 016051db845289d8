#include "storage/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncoding, Utf8CoversEveryPlaneAndKeepsUnpairedSurrogates) {
    const std::wstring emoji = sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                                    : std::wstring{wchar_t(0x1F600)};
    EXPECT_EQ(encode_text(L"a\u00e9\u4e2d" + emoji, TextEncoding::utf8),
              "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
    const std::wstring lone{L'a', wchar_t(0xD800), L'b', wchar_t(0xDC00)};
    EXPECT_EQ(decode_text(encode_text(lone, TextEncoding::utf8), TextEncoding::utf8), lone);
}

TEST(TextEncoding, MalformedUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(decode_text("a\xE9z", TextEncoding::utf8), L"a\uFFFDz");
    EXPECT_EQ(decode_text("\xC0\xAF", TextEncoding::utf8), L"\uFFFD\uFFFD");
    EXPECT_EQ(decode_text("\xE4\xB8", TextEncoding::utf8), L"\uFFFD\uFFFD");
    EXPECT_EQ(decode_text("\xF4\x90\x80\x80", TextEncoding::utf8), L"\uFFFD\uFFFD\uFFFD\uFFFD");
}

TEST(TextEncoding, Utf8IsDetectedOnlyFromByteOrderMarkOrDeclaration) {
    const std::pair<const char*, TextEncoding> cases[] = {
        {"\xEF\xBB\xBF<settings/>", TextEncoding::utf8},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>", TextEncoding::utf8},
        {"  <?XML version='1.0' encoding = 'utf8' ?><a/>", TextEncoding::utf8},
        {"<?xml version=\"1.0\"  standalone='no' >\n<settings/>", TextEncoding::latin1},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>", TextEncoding::latin1},
        {"<settings encoding=\"UTF-8\"/>", TextEncoding::latin1},
        {"<?xml version=\"1.0\"?><a encoding=\"UTF-8\"/>", TextEncoding::latin1},
        {"", TextEncoding::latin1},
        {"<?xml encoding=\"UTF-8", TextEncoding::latin1}};
    for (const auto& [document, expected] : cases)
        EXPECT_EQ(detect_encoding(document), expected) << document;
}

} // namespace
