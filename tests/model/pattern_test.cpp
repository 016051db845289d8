#include "model/pattern.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WildcardMatch, FollowsStarAndQuestionMarkRules) {
    const struct {
        const wchar_t* wild;
        const wchar_t* text;
        bool expected;
    } cases[] = {
        {L"", L"", true},
        {L"", L"a", false},
        {L"*", L"", true},
        {L"***", L"", true},
        {L"*", L"anything", true},
        {L"?", L"", false},
        {L"?", L"x", true},
        {L"?", L"xy", false},
        {L"abc", L"abc", true},
        {L"abc", L"abcd", false},
        {L"abcd", L"abc", false},
        {L"a*c", L"abbbc", true},
        {L"a*c", L"abbbd", false},
        {L"a*", L"a", true},
        {L"*a*b", L"xaybzb", true},
        {L"*a*b", L"xaybzc", false},
        {L"*?x", L"abx", true},
        {L"*.exe", L"a.exe.exe", true},
        {L"a*b*c", L"aXbYbZc", true},
        {L"*aab", L"aaaab", true},
        // Needs the backtrack point: the first 'b' after '*' is a false start.
        {L"*bc", L"abbc", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wildcard_match(c.wild, c.text), c.expected) << c.wild << L" vs " << c.text;

    const std::wstring embedded_nul(L"ab\0cd", 5);
    EXPECT_TRUE(wildcard_match(L"ab", embedded_nul));
    EXPECT_FALSE(wildcard_match(L"ab*d", embedded_nul));
}

TEST(PatternMatching, EachModeComparesInItsOwnWay) {
    const std::wstring e_acute(1, static_cast<wchar_t>(0xE9));
    const std::wstring capital_e_acute(1, static_cast<wchar_t>(0xC9));
    const struct {
        int compare;
        std::wstring phrase;
        bool case_sensitive;
        std::wstring text;
        bool expected;
    } cases[] = {
        // Starts-with reads wildcards in the phrase as wildcards; the others take them literally.
        {Pattern::STARTS_WITH, L"Note", false, L"Notepad", true},
        {Pattern::STARTS_WITH, L"Note", false, L"My Notes", false},
        {Pattern::STARTS_WITH, L"No?e", false, L"Nope", true},
        {Pattern::STARTS_WITH, L"N*d", false, L"Notepad - x", true},
        {Pattern::CONTAINS, L"a*b", false, L"xa*by", true},
        {Pattern::CONTAINS, L"a*b", false, L"axxb", false},
        {Pattern::CONTAINS, L"a?c", false, L"abc", false},
        {Pattern::ENDS_WITH, L".exe", false, L"CHROME.EXE", true},
        {Pattern::ENDS_WITH, L".exe", true, L"CHROME.EXE", false},
        {Pattern::ENDS_WITH, L".exe", true, L"chrome.exe", true},
        {Pattern::ENDS_WITH, L".exe", false, L"chrome.exe.bak", false},
        {Pattern::EXACTLY_MATCHES, L"Start", false, L"START", true},
        {Pattern::EXACTLY_MATCHES, L"Start", false, L"Start ", false},
        {Pattern::EXACTLY_MATCHES, L"Start", false, L"Star", false},
        {Pattern::EXACTLY_MATCHES, L"St*", false, L"Start", false},
        {Pattern::STARTS_WITH, L"", false, L"Anything", true},
        {Pattern::CONTAINS, L"", false, L"", true},
        {Pattern::ENDS_WITH, L"", false, L"Anything", true},
        {Pattern::EXACTLY_MATCHES, L"", false, L"", true},
        {Pattern::EXACTLY_MATCHES, L"", false, L"x", false},
        {Pattern::NEVER, L"x", false, L"x", false},
        {Pattern::NEVER, L"", false, L"", false},
        {6, L"x", false, L"x", false},
        {-1, L"x", false, L"x", false},
        {Pattern::EVERYTHING, L"zzz", false, L"abc", true},
        {Pattern::EVERYTHING, L"zzz", false, L"", true},
        // Only ASCII letters fold; '[' and '{', '@' and '`' sit right next to them.
        {Pattern::EXACTLY_MATCHES, e_acute, false, capital_e_acute, false},
        {Pattern::EXACTLY_MATCHES, L"{", false, L"[", false},
        {Pattern::EXACTLY_MATCHES, L"@", false, L"`", false},
        {Pattern::EXACTLY_MATCHES, L"azAZ", false, L"AZaz", true},
    };
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
        {{Pattern::CONTAINS, Pattern::IMAGE_NAME, L"explorer.exe"},
         L"Image names that contain \"explorer.exe\""},
        {{Pattern::STARTS_WITH, Pattern::WINDOW_TITLE, L"Note", true},
         L"Window titles that start with \"Note\" (Case Sensitive)"},
        {{Pattern::ENDS_WITH, 7, L"x"}, L"Image names that end with \"x\""},
        {{Pattern::NEVER, Pattern::WINDOW_TITLE, L"a"}, L"Window titles that never match \"a\""},
        {{Pattern::EVERYTHING, Pattern::WINDOW_TITLE, L"a"},
         L"Window titles that never match \"a\""},
        {{7, Pattern::WINDOW_TITLE, L"a"}, L"Window titles that never match \"a\""},
    };
    for (const auto& [pattern, text] : cases)
        EXPECT_EQ(pattern.describe(), text);
}

} // namespace
