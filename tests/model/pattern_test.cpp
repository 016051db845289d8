#include "model/pattern.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Pattern make_pattern(int compare, const std::wstring& phrase, bool case_sensitive = false,
                     int applies_to = Pattern::WINDOW_TITLE) {
    Pattern pattern;
    pattern.set_compare(compare);
    pattern.set_applies_to(applies_to);
    pattern.set_phrase(phrase);
    pattern.set_case_sensitive(case_sensitive);
    return pattern;
}

struct WildcardCase {
    const wchar_t* wild;
    const wchar_t* text;
    bool expected;
};

class WildcardMatch : public testing::TestWithParam<WildcardCase> {};

TEST_P(WildcardMatch, FollowsStarAndQuestionMarkRules) {
    const WildcardCase& c = GetParam();
    EXPECT_EQ(wildcard_match(c.wild, c.text), c.expected) << c.wild << L" vs " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WildcardMatch,
    testing::Values(WildcardCase{L"", L"", true}, WildcardCase{L"", L"a", false},
                    WildcardCase{L"*", L"", true}, WildcardCase{L"***", L"", true},
                    WildcardCase{L"*", L"anything", true}, WildcardCase{L"?", L"", false},
                    WildcardCase{L"?", L"x", true}, WildcardCase{L"?", L"xy", false},
                    WildcardCase{L"abc", L"abc", true}, WildcardCase{L"abc", L"abcd", false},
                    WildcardCase{L"abcd", L"abc", false}, WildcardCase{L"a*c", L"abbbc", true},
                    WildcardCase{L"a*c", L"abbbd", false}, WildcardCase{L"a*", L"a", true},
                    // Needs the backtrack point: the first 'b' after '*' is a false start.
                    WildcardCase{L"*bc", L"abbc", true}, WildcardCase{L"*a*b", L"xaybzb", true},
                    WildcardCase{L"*a*b", L"xaybzc", false}, WildcardCase{L"*?x", L"abx", true},
                    WildcardCase{L"*.exe", L"a.exe.exe", true},
                    WildcardCase{L"a*b*c", L"aXbYbZc", true},
                    WildcardCase{L"*aab", L"aaaab", true}));

TEST(WildcardMatch, StopsAtEmbeddedNul) {
    const std::wstring text(L"ab\0cd", 5);
    EXPECT_TRUE(wildcard_match(L"ab", text));
    EXPECT_FALSE(wildcard_match(L"ab*d", text));
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
        EXPECT_EQ(make_pattern(c.compare, c.phrase, c.case_sensitive).matches(c.text), c.expected)
            << c.compare << " " << testing::PrintToString(c.phrase) << " "
            << testing::PrintToString(c.text);
    }
}

struct DescribeCase {
    Pattern pattern;
    const wchar_t* expected;
};

class PatternDescription : public testing::TestWithParam<DescribeCase> {};

TEST_P(PatternDescription, ReadsAsOneSentence) {
    EXPECT_EQ(GetParam().pattern.describe(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatternDescription,
    testing::Values(
        DescribeCase{make_pattern(Pattern::EXACTLY_MATCHES, L"Start"),
                     L"Window titles that exactly match \"Start\""},
        DescribeCase{make_pattern(Pattern::CONTAINS, L"explorer.exe", false, Pattern::IMAGE_NAME),
                     L"Image names that contain \"explorer.exe\""},
        DescribeCase{make_pattern(Pattern::STARTS_WITH, L"Note", true),
                     L"Window titles that start with \"Note\" (Case Sensitive)"},
        DescribeCase{make_pattern(Pattern::ENDS_WITH, L"x", false, 7),
                     L"Image names that end with \"x\""},
        DescribeCase{make_pattern(Pattern::NEVER, L"a"), L"Window titles that never match \"a\""},
        DescribeCase{make_pattern(Pattern::EVERYTHING, L"a"),
                     L"Window titles that never match \"a\""},
        DescribeCase{make_pattern(7, L"a"), L"Window titles that never match \"a\""}));

} // namespace
