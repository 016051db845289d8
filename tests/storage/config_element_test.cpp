#include "storage/config_element.h"

#include <gtest/gtest.h>

namespace {

TEST(ConfigElement, FindsChildrenByExactNameAndPosition) {
    engine::config_element root(L"settings");
    engine::config_element& first = root.add_child(L"rule");
    first.property(L"n").set_int(0);
    root.add_child(L"other");
    root.add_child(L"rule").property(L"n").set_int(2);
    for (int i = 0; i < 100; ++i)
        root.add_child(L"more");
    first.property(L"still").set_value(L"here");

    EXPECT_EQ(root.find_child(L"rule", 1)->find_property(L"n")->get_int(), 2);
    EXPECT_EQ(root.find_child(L"rule")->find_property(L"still")->get_value(), L"here");
    EXPECT_EQ(root.find_child(L"rule", 2), nullptr);
    EXPECT_EQ(root.find_child(L"Rule"), nullptr);
    EXPECT_EQ(root.children_named(L"rule").size(), 2u);
}

TEST(ConfigElement, PropertiesAreOrderedByUtf16CodeUnitsWhateverTheWidthOfWideCharacters) {
    // U+1F600 is a surrogate pair in UTF-16 (0xD83D 0xDE00) and so sorts before U+FF21.
    const std::wstring emoji = sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                                    : std::wstring{wchar_t(0x1F600)};
    const std::wstring fullwidth_a{wchar_t(0xFF21)};
    engine::config_element element;
    for (const std::wstring& name : {fullwidth_a, emoji, std::wstring(L"z"), std::wstring(L"a")})
        element.property(name);
    std::vector<std::wstring> names;
    for (const auto& entry : element.get_properties())
        names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"a", L"z", emoji, fullwidth_a}));
}

} // namespace
