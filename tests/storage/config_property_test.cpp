#include "storage/config_property.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

engine::config_property property_with(const std::wstring& text) {
    engine::config_property property;
    property.set_value(text);
    return property;
}

TEST(ConfigProperty, ReadsLeadingDecimalNumberLikeTheCLibraryHeldToTheIntRange) {
    const std::pair<const wchar_t*, int> cases[] = {{L"12abc", 12},
                                                    {L" -3", -3},
                                                    {L"\t\n+42", 42},
                                                    {L"abc", 0},
                                                    {L"", 0},
                                                    {L"- 5", 0},
                                                    {L"-2147483648", INT_MIN},
                                                    {L"99999999999999999999999", INT_MAX},
                                                    {L"-99999999999999999999999", INT_MIN}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(property_with(text).get_int(), expected) << text;

    engine::config_property written;
    written.set_int(INT_MIN);
    EXPECT_EQ(written.get_value(), L"-2147483648");
}

TEST(ConfigProperty, OnlyTrueInAnyCaseAndOneAreTrue) {
    for (const wchar_t* text : {L"True", L"TRUE", L"true", L"1"})
        EXPECT_TRUE(property_with(text).get_bool()) << text;
    for (const wchar_t* text : {L"yes", L"", L"2", L"FALSE", L" true"})
        EXPECT_FALSE(property_with(text).get_bool()) << text;
}

} // namespace
