#include "model/pattern.h"

#include <gtest/gtest.h>

namespace {

TEST(PatternMatching, EachModeComparesInItsOwnWayAndOnlyAsciiLettersFold) {
    constexpr int STARTS = Pattern::STARTS_WITH, HAS = Pattern::CONTAINS, ENDS = Pattern::ENDS_WITH,
                  IS = Pattern::EXACTLY_MATCHES;
    const std::wstring nul_inside(L"Note\0pad", 8);
    // clang-format off
    const struct {
        int compare;
        std::wstring phrase;
        bool case_sensitive;
        std::wstring text;
        bool expected;
    } cases[] = {
        // Starts-with and ends-with read wildcards in the phrase; the others take them literally.
        {STARTS, L"Note", 0, L"Notepad", 1}, {STARTS, L"Note", 0, L"My Notes", 0},
        {STARTS, L"No?e", 0, L"Nope", 1}, {STARTS, L"N*d", 0, L"Notepad - x", 1},
        {STARTS, L"*bc", 0, L"abbcx", 1}, {STARTS, L"*a*b", 0, L"xaybzc", 1},
        {STARTS, L"a*b*c", 0, L"aXbYbZ", 0}, {STARTS, L"?", 0, L"", 0}, {STARTS, L"", 0, L"a", 1},
        {STARTS, L"Notepad", 0, nul_inside, 0}, {HAS, L"pad", 0, nul_inside, 0},
        {HAS, L"a*b", 0, L"xa*by", 1}, {HAS, L"a*b", 0, L"axxb", 0}, {HAS, L"a?c", 0, L"abc", 0},
        {HAS, L"", 0, L"", 1}, {ENDS, L".exe", 0, L"CHROME.EXE", 1},
        {ENDS, L".exe", 1, L"CHROME.EXE", 0}, {ENDS, L".exe", 1, L"a.exe.exe", 1},
        {ENDS, L".exe", 0, L"a.exe.bak", 0}, {ENDS, L"aab", 0, L"aaaab", 1},
        {ENDS, L"a?c", 0, L"xabc", 1}, {IS, L"Start", 0, L"START", 1},
        {IS, L"Start", 1, L"START", 0}, {IS, L"Start", 0, L"Start ", 0},
        {IS, L"Start", 0, L"Star", 0}, {IS, L"St*", 0, L"Start", 0}, {IS, L"", 0, L"x", 0},
        {Pattern::NEVER, L"x", 0, L"x", 0}, {6, L"x", 0, L"x", 0}, {-1, L"x", 0, L"x", 0},
        {Pattern::EVERYTHING, L"zzz", 0, L"", 1}, {IS, L"\u00e9", 0, L"\u00c9", 0},
        // '[' and '{', '@' and '`' sit right next to the letters.
        {IS, L"{", 0, L"[", 0}, {IS, L"@", 0, L"`", 0}, {IS, L"azAZ", 0, L"AZaz", 1}};
    // clang-format on
    for (const auto& c : cases) {
        const Pattern pattern{c.compare, Pattern::WINDOW_TITLE, c.phrase, c.case_sensitive};
        EXPECT_EQ(pattern.matches(c.text), c.expected)
            << c.compare << " " << testing::PrintToString(c.phrase) << " "
            << testing::PrintToString(c.text);
    }
}

TEST(PatternDescription, ReadsAsOneSentence) {
    const std::pair<Pattern, const wchar_t*> cases[] = {
        {{Pattern::EXACTLY_MATCHES, Pattern::WINDOW_TITLE, L"Start"},
         L"Window titles that exactly match \"Start\""},
        {{Pattern::STARTS_WITH, Pattern::WINDOW_TITLE, L"Note", true},
         L"Window titles that start with \"Note\" (Case Sensitive)"},
        {{Pattern::ENDS_WITH, 7, L"x"}, L"Image names that end with \"x\""},
        {{Pattern::EVERYTHING, Pattern::WINDOW_TITLE, L"a"},
         L"Window titles that never match \"a\""}};
    for (const auto& [pattern, text] : cases)
        EXPECT_EQ(pattern.describe(), text);
}

} // namespace
