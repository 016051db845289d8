#include "storage/xml_shape_guard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string nested(int depth) {
    std::string document;
    for (int i = 0; i < depth; ++i)
        document += "<a>";
    for (int i = 0; i < depth; ++i)
        document += "</a>";
    return document;
}

std::string element_with_attributes(int count) {
    std::string document = "<rule";
    for (int i = 0; i < count; ++i)
        document += " a" + std::to_string(i) + "=\"x\"";
    return document + "/>";
}

TEST(XmlShapeGuard, AcceptsNestingUpToTheLimit) {
    EXPECT_TRUE(is_within_parser_limits(nested(MAX_ELEMENT_DEPTH)));
    EXPECT_FALSE(is_within_parser_limits(nested(MAX_ELEMENT_DEPTH + 1)));
}

TEST(XmlShapeGuard, SiblingsAndEmptyElementsDoNotAddDepth) {
    std::string document = "<settings>";
    for (int i = 0; i < 5000; ++i)
        document += "<rule a=\"1\" /><rule></rule>";
    EXPECT_TRUE(is_within_parser_limits(document + "</settings>"));
}

TEST(XmlShapeGuard, UnclosedStartTagsCount) {
    std::string unclosed;
    for (int i = 0; i <= MAX_ELEMENT_DEPTH; ++i)
        unclosed += "<a>";
    EXPECT_FALSE(is_within_parser_limits(unclosed));
}

TEST(XmlShapeGuard, MarkupInsideValuesCommentsAndCdataIsNotCounted) {
    const std::string inner = nested(MAX_ELEMENT_DEPTH);
    EXPECT_TRUE(is_within_parser_limits("<a v=\"" + nested(400) + "\"/>"));
    EXPECT_TRUE(is_within_parser_limits("<a>" + inner.substr(3) + "<!--<a><a>--></a>"));
    EXPECT_TRUE(is_within_parser_limits("<!--" + nested(400) + "-->"));
    EXPECT_TRUE(is_within_parser_limits("<a><![CDATA[" + nested(400) + "]]></a>"));
}

TEST(XmlShapeGuard, SelfClosingMarksInsideValuesDoNotHideNesting) {
    std::string document;
    for (int i = 0; i <= MAX_ELEMENT_DEPTH; ++i)
        document += "<a v='/>/>'>";
    EXPECT_FALSE(is_within_parser_limits(document));
}

TEST(XmlShapeGuard, ANodeThatIsNoElementCannotSwallowElements) {
    // "<1 ..." is read up to its '>' as an unknown node, quote or not.
    EXPECT_FALSE(is_within_parser_limits("<1 \" >" + nested(MAX_ELEMENT_DEPTH + 1) + "\""));
}

TEST(XmlShapeGuard, LimitsAttributesPerElement) {
    EXPECT_TRUE(is_within_parser_limits(element_with_attributes(MAX_ATTRIBUTES_PER_ELEMENT)));
    EXPECT_FALSE(is_within_parser_limits(element_with_attributes(MAX_ATTRIBUTES_PER_ELEMENT + 1)));
}

} // namespace
