#include "storage/text_encoding.h"

#include <gtest/gtest.h>

namespace {

// U+1F600 as wchar_t holds it: a surrogate pair where wchar_t is 16 bits.
std::wstring grinning_face() {
    if constexpr (sizeof(wchar_t) == 2)
        return {wchar_t(0xD83D), wchar_t(0xDE00)};
    else
        return {wchar_t(0x1F600)};
}

TEST(TextEncodingLatin1, IsOneBytePerCharacterBothWays) {
    const std::wstring text = L"A\u00e9\u00ff\u0001";
    EXPECT_TRUE(fits_latin1(text));
    EXPECT_EQ(encode_text(text, TextEncoding::latin1), "A\xE9\xFF\x01");
    EXPECT_EQ(decode_text("A\xE9\xFF\x01", TextEncoding::latin1), text);
    EXPECT_FALSE(fits_latin1(L"\u0100"));
}

TEST(TextEncodingUtf8, EncodesEveryPlaneAsStandardUtf8) {
    EXPECT_EQ(encode_text(L"a\u00e9\u4e2d", TextEncoding::utf8), "a\xC3\xA9\xE4\xB8\xAD");
    EXPECT_EQ(encode_text(grinning_face(), TextEncoding::utf8), "\xF0\x9F\x98\x80");
}

TEST(TextEncodingUtf8, DecodesBackToTheSameWideText) {
    const std::wstring text = L"Gruppe \u00fc \u4e2d\u6587 " + grinning_face() + L" end";
    EXPECT_EQ(decode_text(encode_text(text, TextEncoding::utf8), TextEncoding::utf8), text);
}

TEST(TextEncodingUtf8, UnpairedSurrogatesSurviveARoundTrip) {
    const std::wstring text{L'a', wchar_t(0xD800), L'b', wchar_t(0xDC00)};
    EXPECT_EQ(decode_text(encode_text(text, TextEncoding::utf8), TextEncoding::utf8), text);
}

TEST(TextEncodingUtf8, MalformedBytesBecomeReplacementCharacters) {
    EXPECT_EQ(decode_text("a\xE9z", TextEncoding::utf8), L"a\uFFFDz");
    EXPECT_EQ(decode_text("\xC0\xAF", TextEncoding::utf8), L"\uFFFD\uFFFD");
    EXPECT_EQ(decode_text("\xE4\xB8", TextEncoding::utf8), L"\uFFFD\uFFFD");
    EXPECT_EQ(decode_text("\xF4\x90\x80\x80", TextEncoding::utf8), L"\uFFFD\uFFFD\uFFFD\uFFFD");
}

TEST(TextEncodingDetection, FindsUtf8FromByteOrderMarkOrDeclaration) {
    EXPECT_EQ(detect_encoding("\xEF\xBB\xBF<settings/>"), TextEncoding::utf8);
    EXPECT_EQ(detect_encoding("<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>"),
              TextEncoding::utf8);
    EXPECT_EQ(detect_encoding("  <?XML version='1.0' encoding = 'utf8' ?><a/>"),
              TextEncoding::utf8);
}

TEST(TextEncodingDetection, EverythingElseIsSingleByte) {
    EXPECT_EQ(detect_encoding("<?xml version=\"1.0\"  standalone='no' >\n<settings/>"),
              TextEncoding::latin1);
    EXPECT_EQ(detect_encoding("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>"),
              TextEncoding::latin1);
    EXPECT_EQ(detect_encoding("<settings encoding=\"UTF-8\"/>"), TextEncoding::latin1);
    EXPECT_EQ(detect_encoding("<?xml version=\"1.0\"?><a encoding=\"UTF-8\"/>"),
              TextEncoding::latin1);
    EXPECT_EQ(detect_encoding(""), TextEncoding::latin1);
    EXPECT_EQ(detect_encoding("<?xml encoding=\"UTF-8"), TextEncoding::latin1);
}

} // namespace
