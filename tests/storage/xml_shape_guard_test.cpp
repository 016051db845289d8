#include "storage/xml_shape_guard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string repeated(const std::string& part, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += part;
    return text;
}

std::string nested(int depth) {
    return repeated("<a>", depth) + repeated("</a>", depth);
}

TEST(XmlShapeGuard, LimitsNestingAndAttributesPerElementButNotSiblings) {
    const auto rule_with_attributes = [](int count) {
        std::string document = "<rule";
        for (int i = 0; i < count; ++i)
            document += " a" + std::to_string(i) + "=\"x\"";
        return document + "/>";
    };
    EXPECT_TRUE(is_within_parser_limits(rule_with_attributes(MAX_ATTRIBUTES_PER_ELEMENT)));
    EXPECT_FALSE(is_within_parser_limits(rule_with_attributes(MAX_ATTRIBUTES_PER_ELEMENT + 1)));
    EXPECT_TRUE(is_within_parser_limits(nested(MAX_ELEMENT_DEPTH)));
    EXPECT_FALSE(is_within_parser_limits(nested(MAX_ELEMENT_DEPTH + 1)));
    EXPECT_FALSE(is_within_parser_limits(repeated("<a>", MAX_ELEMENT_DEPTH + 1)));
    EXPECT_TRUE(is_within_parser_limits(
        "<settings>" + repeated("<rule a=\"1\" /><rule></rule>", 5000) + "</settings>"));
}

TEST(XmlShapeGuard, MarkupInsideValuesCommentsAndCdataNeitherCountsNorHidesNesting) {
    const std::string inner = nested(MAX_ELEMENT_DEPTH);
    EXPECT_TRUE(is_within_parser_limits("<a v=\"" + nested(400) + "\"/>"));
    EXPECT_TRUE(is_within_parser_limits("<a>" + inner.substr(3) + "<!--<a><a>--></a>"));
    EXPECT_TRUE(is_within_parser_limits("<!--" + nested(400) + "-->"));
    EXPECT_TRUE(is_within_parser_limits("<a><![CDATA[" + nested(400) + "]]></a>"));
    EXPECT_FALSE(is_within_parser_limits(repeated("<a v='/>/>'>", MAX_ELEMENT_DEPTH + 1)));
    // "<1 ..." is read up to its '>' as an unknown node, quote or not.
    EXPECT_FALSE(is_within_parser_limits("<1 \" >" + nested(MAX_ELEMENT_DEPTH + 1) + "\""));
}

} // namespace
