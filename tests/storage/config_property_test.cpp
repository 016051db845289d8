#include "storage/config_property.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

engine::config_property property_with(const std::wstring& text) {
    engine::config_property property;
    property.set_value(text);
    return property;
}

TEST(ConfigPropertyInt, ReadsLeadingDecimalNumberLikeTheCLibrary) {
    EXPECT_EQ(property_with(L"12abc").get_int(), 12);
    EXPECT_EQ(property_with(L" -3").get_int(), -3);
    EXPECT_EQ(property_with(L"\t\n+42").get_int(), 42);
    EXPECT_EQ(property_with(L"abc").get_int(), 0);
    EXPECT_EQ(property_with(L"").get_int(), 0);
    EXPECT_EQ(property_with(L"- 5").get_int(), 0);
}

TEST(ConfigPropertyInt, HoldsOutOfRangeNumbersAtTheEndsOfTheRange) {
    EXPECT_EQ(property_with(L"2147483647").get_int(), INT_MAX);
    EXPECT_EQ(property_with(L"-2147483648").get_int(), INT_MIN);
    EXPECT_EQ(property_with(L"99999999999999999999999").get_int(), INT_MAX);
    EXPECT_EQ(property_with(L"-99999999999999999999999").get_int(), INT_MIN);
}

TEST(ConfigPropertyInt, WritesPlainDecimal) {
    engine::config_property property;
    property.set_int(-17);
    EXPECT_EQ(property.get_value(), L"-17");
    property.set_int(INT_MIN);
    EXPECT_EQ(property.get_value(), L"-2147483648");
    EXPECT_EQ(property.get_int(), INT_MIN);
    property.set_int(7);
    EXPECT_EQ(property.get_value(), L"7");
}

TEST(ConfigPropertyBool, AcceptsTrueInAnyCaseAndOne) {
    EXPECT_TRUE(property_with(L"True").get_bool());
    EXPECT_TRUE(property_with(L"TRUE").get_bool());
    EXPECT_TRUE(property_with(L"true").get_bool());
    EXPECT_TRUE(property_with(L"1").get_bool());
}

TEST(ConfigPropertyBool, EverythingElseIsFalse) {
    EXPECT_FALSE(property_with(L"yes").get_bool());
    EXPECT_FALSE(property_with(L"").get_bool());
    EXPECT_FALSE(property_with(L"2").get_bool());
    EXPECT_FALSE(property_with(L"FALSE").get_bool());
    EXPECT_FALSE(property_with(L" true").get_bool());
}

} // namespace
