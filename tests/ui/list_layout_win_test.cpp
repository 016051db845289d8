#include "ui/list_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ColumnSpans, TextStartsTwoPixelsInAndSeparatorsCloseEachColumn) {
    const auto spans = column_spans(10, {100, 50});
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0], (ColumnSpan{12, 108, 109}));
    EXPECT_EQ(spans[1], (ColumnSpan{114, 160, 159}));
    EXPECT_TRUE(column_spans(0, {}).empty());
}

TEST(CompareFolded, FoldsOnlyTheLettersAToZ) {
    EXPECT_EQ(compare_folded(L"Alpha", L"aLPHA"), 0);
    EXPECT_LT(compare_folded(L"_x", L"a"), 0);
    EXPECT_LT(compare_folded(L"_x", L"A"), 0);
    EXPECT_LT(compare_folded(L"abc", L"abcd"), 0);
    EXPECT_GT(compare_folded(L"b", L"ABC"), 0);
    // Letters beyond A to Z keep their case.
    EXPECT_NE(compare_folded(L"\u00C9", L"\u00E9"), 0);
}

TEST(WindowPageLayout, StretchesSearchBoxAndListAndSharesTheWidthBetweenColumns) {
    const auto layout = window_page_layout(700, 400, {80, 9, 300, 20}, {8, 35, 400, 120});
    EXPECT_EQ(layout.search_box, (PixelRect{80, 9, 612, 20}));
    EXPECT_EQ(layout.list, (PixelRect{8, 35, 684, 325}));
    EXPECT_EQ(layout.title_column, 478);
    EXPECT_EQ(layout.image_column, 171);
    EXPECT_EQ(layout.button_top, 368);
}

TEST(ModelPageLayouts, ListsFillThePageBesideTheButtons) {
    const auto hot_keys = hot_keys_page_layout(600, 300, {9, 17, 400, 15}, {98, 45, 300, 150}, 83);
    EXPECT_EQ(hot_keys.text, (PixelRect{9, 17, 583, 15}));
    EXPECT_EQ(hot_keys.list, (PixelRect{98, 45, 493, 247}));
    const auto groups = groups_page_layout(600, 300, {9, 17, 400, 26}, {98, 55, 300, 150}, 83);
    EXPECT_EQ(groups.list, (PixelRect{98, 55, 493, 237}));
}

TEST(ModelColumnWidths, AreTruncatedShares) {
    EXPECT_EQ(hot_key_column_widths(493), (std::vector<int>{197, 152, 123}));
    EXPECT_EQ(timer_column_widths(493), (std::vector<int>{286, 97, 97}));
    EXPECT_EQ(group_column_width(493), 480);
}

} // namespace
