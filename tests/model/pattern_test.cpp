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

TEST(PatternMatching, StartsWithTreatsWildcardsInThePhraseAsWildcards) {
    const Pattern pattern = make_pattern(Pattern::STARTS_WITH, L"Note");
    EXPECT_TRUE(pattern.matches(L"Notepad"));
    EXPECT_FALSE(pattern.matches(L"My Notes"));
    EXPECT_TRUE(make_pattern(Pattern::STARTS_WITH, L"No?e").matches(L"Nope"));
    EXPECT_TRUE(make_pattern(Pattern::STARTS_WITH, L"N*d").matches(L"Notepad - x"));
}

TEST(PatternMatching, ContainsTakesStarsLiterally) {
    const Pattern pattern = make_pattern(Pattern::CONTAINS, L"a*b");
    EXPECT_TRUE(pattern.matches(L"xa*by"));
    EXPECT_FALSE(pattern.matches(L"axxb"));
    EXPECT_FALSE(pattern.matches(L"ab"));
    EXPECT_FALSE(make_pattern(Pattern::CONTAINS, L"a?c").matches(L"abc"));
}

TEST(PatternMatching, EndsWithFoldsCaseWhenInsensitive) {
    EXPECT_TRUE(make_pattern(Pattern::ENDS_WITH, L".exe").matches(L"CHROME.EXE"));
    EXPECT_FALSE(make_pattern(Pattern::ENDS_WITH, L".exe", true).matches(L"CHROME.EXE"));
    EXPECT_TRUE(make_pattern(Pattern::ENDS_WITH, L".exe", true).matches(L"chrome.exe"));
    EXPECT_FALSE(make_pattern(Pattern::ENDS_WITH, L".exe").matches(L"chrome.exe.bak"));
}

TEST(PatternMatching, ExactlyMatchesNeedsSameLengthAndUnits) {
    const Pattern pattern = make_pattern(Pattern::EXACTLY_MATCHES, L"Start");
    EXPECT_TRUE(pattern.matches(L"START"));
    EXPECT_FALSE(pattern.matches(L"Start "));
    EXPECT_FALSE(pattern.matches(L"Star"));
    EXPECT_FALSE(make_pattern(Pattern::EXACTLY_MATCHES, L"St*").matches(L"Start"));
}

TEST(PatternMatching, EmptyPhrase) {
    for (int compare : {Pattern::STARTS_WITH, Pattern::CONTAINS, Pattern::ENDS_WITH}) {
        EXPECT_TRUE(make_pattern(compare, L"").matches(L"")) << compare;
        EXPECT_TRUE(make_pattern(compare, L"").matches(L"Anything")) << compare;
    }
    EXPECT_TRUE(make_pattern(Pattern::EXACTLY_MATCHES, L"").matches(L""));
    EXPECT_FALSE(make_pattern(Pattern::EXACTLY_MATCHES, L"").matches(L"x"));
}

TEST(PatternMatching, ModesOutsideOneToFive) {
    for (int compare : {Pattern::NEVER, 6, 7, -1}) {
        EXPECT_FALSE(make_pattern(compare, L"").matches(L"")) << compare;
        EXPECT_FALSE(make_pattern(compare, L"x").matches(L"x")) << compare;
    }
    EXPECT_TRUE(make_pattern(Pattern::EVERYTHING, L"zzz").matches(L"abc"));
    EXPECT_TRUE(make_pattern(Pattern::EVERYTHING, L"zzz").matches(L""));
}

TEST(PatternMatching, OnlyAsciiLettersFold) {
    // e with acute accent, lower and upper case
    const std::wstring lower(1, static_cast<wchar_t>(0xE9));
    const std::wstring upper(1, static_cast<wchar_t>(0xC9));
    EXPECT_FALSE(make_pattern(Pattern::EXACTLY_MATCHES, lower).matches(upper));
    // '[' and '{' sit right after 'Z' and 'z'; neither may fold into the other.
    EXPECT_FALSE(make_pattern(Pattern::EXACTLY_MATCHES, L"{").matches(L"["));
    EXPECT_FALSE(make_pattern(Pattern::EXACTLY_MATCHES, L"@").matches(L"`"));
    EXPECT_TRUE(make_pattern(Pattern::EXACTLY_MATCHES, L"azAZ").matches(L"AZaz"));
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
