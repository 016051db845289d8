#include "storage/config_element.h"

#include <gtest/gtest.h>

namespace {

TEST(ConfigElementChildren, FindChildCountsOnlyChildrenOfThatName) {
    engine::config_element root(L"settings");
    root.add_child(L"rule").property(L"n").set_int(0);
    root.add_child(L"other");
    root.add_child(L"rule").property(L"n").set_int(2);

    const engine::config_element* second_rule = root.find_child(L"rule", 1);
    ASSERT_NE(second_rule, nullptr);
    EXPECT_EQ(second_rule->find_property(L"n")->get_int(), 2);
    EXPECT_EQ(root.find_child(L"rule", 2), nullptr);
    EXPECT_EQ(root.find_child(L"Rule"), nullptr);
    EXPECT_EQ(root.find_child(L"rul"), nullptr);
    EXPECT_EQ(root.children_named(L"rule").size(), 2u);
}

TEST(ConfigElementChildren, ReferencesToChildrenSurviveLaterAdditions) {
    engine::config_element root;
    engine::config_element& first = root.add_child(L"first");
    for (int i = 0; i < 100; ++i)
        root.add_child(L"more");
    first.property(L"still").set_value(L"here");
    EXPECT_EQ(root.find_child(L"first")->find_property(L"still")->get_value(), L"here");
}

TEST(ConfigElementProperties, PropertyCreatesAnEmptyValueOnDemand) {
    engine::config_element element;
    EXPECT_FALSE(element.has_property(L"phrase"));
    EXPECT_EQ(element.find_property(L"phrase"), nullptr);
    EXPECT_EQ(element.property(L"phrase").get_value(), L"");
    EXPECT_TRUE(element.has_property(L"phrase"));
}

TEST(ConfigElementProperties, AreOrderedByName) {
    engine::config_element element;
    for (const wchar_t* name : {L"phrase", L"compare", L"applies_to", L"case_sensitive"})
        element.property(name);
    std::vector<std::wstring> names;
    for (const auto& entry : element.get_properties())
        names.push_back(entry.first);
    EXPECT_EQ(names,
              (std::vector<std::wstring>{L"applies_to", L"case_sensitive", L"compare", L"phrase"}));
}

TEST(ConfigElementProperties, OrderIsByUtf16CodeUnitsWhateverTheWidthOfWideCharacters) {
    // U+1F600 is a surrogate pair in UTF-16 (0xD83D 0xDE00) and so sorts before U+FF21.
    const std::wstring emoji = sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                                    : std::wstring{wchar_t(0x1F600)};
    const std::wstring fullwidth_a{wchar_t(0xFF21)};
    engine::utf16_order order;
    EXPECT_TRUE(order(emoji, fullwidth_a));
    EXPECT_FALSE(order(fullwidth_a, emoji));
    EXPECT_TRUE(order(L"z", emoji));
}

TEST(ConfigElementLatin1, LooksAtNamesAndValuesAllTheWayDown) {
    engine::config_element root(L"settings");
    engine::config_element& rule = root.add_child(L"rule");
    rule.property(L"phrase").set_value(L"caf\u00e9 \u00ff");
    EXPECT_TRUE(root.fits_latin1());
    rule.add_child(L"pattern").property(L"phrase").set_value(L"\u4e2d");
    EXPECT_FALSE(root.fits_latin1());
}

} // namespace
