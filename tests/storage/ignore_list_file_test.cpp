#include "storage/ignore_list_file.h"

#include "model/data_model.h"
#include "storage/log_tail.h"
#include "storage/parsed_document.h"

#include <gtest/gtest.h>

namespace {

TEST(IgnoreListFileLoad, ReadsTheRulesOfTheFirstListInOrderSkippingFaultyOnes) {
    const ConfigFile file =
        parsed("<anything><other/><ignore_list><note/>"
               "<rule phrase=\"Start\" compare=\"4\" applies_to=\"0\" case_sensitive=\"false\"/>"
               "<rule phrase=\"a\" compare=\"4\" applies_to=\"0\"/>"
               "<rule phrase=\"x.exe\" compare=\"2\" applies_to=\"1\" case_sensitive=\"TRUE\"/>"
               "<rule compare=\"4\" applies_to=\"0\" case_sensitive=\"false\"/>"
               "<rule phrase=\"odd\" compare=\"9\" applies_to=\"7\" case_sensitive=\"1\"/>"
               "<rule phrase=\"y\" compare=\"1\" applies_to=\"0\" case_sensitive=\"yes\"/>"
               "</ignore_list><ignore_list>"
               "<rule phrase=\"second\" compare=\"4\" applies_to=\"0\" case_sensitive=\"false\"/>"
               "</ignore_list></anything>");
    DataModel model;
    LogTail log;
    EXPECT_TRUE(read_ignore_list(file.root(), model));
    EXPECT_EQ(model.ignore_patterns(), (std::vector<Pattern>{{4, 0, L"Start", false},
                                                             {2, 1, L"x.exe", true},
                                                             {9, 7, L"odd", true},
                                                             {1, 0, L"y", false}}));
    EXPECT_EQ(log.lines(), std::vector<std::wstring>(
                               2, L"Unable to load ignore pattern, missing or invalid data."));

    // An empty list loads; only a missing one fails.
    DataModel from_empty_list;
    EXPECT_TRUE(
        read_ignore_list(parsed("<settings><ignore_list/></settings>").root(), from_empty_list));
    EXPECT_EQ(from_empty_list.ignore_count(), 0);
    LogTail missing_list;
    EXPECT_FALSE(read_ignore_list(parsed("<settings><groups/></settings>").root(), model));
    EXPECT_EQ(missing_list.lines(),
              std::vector<std::wstring>{L"Unable to load ignore patterns, invalid data file."});
}

TEST(IgnoreListFileSave, WritesEachPatternWithSortedAttributesAndReadsThemBack) {
    DataModel model;
    add_default_ignore_patterns(model);
    EXPECT_EQ(model.ignore_patterns(),
              (std::vector<Pattern>{{4, 0, L"Start", false}, {4, 0, L"Program Manager", false}}));
    model.remove_ignore_pattern(1);
    ConfigFile file;
    file.root().add_child(L"leftover");
    write_ignore_list(model, file.root());
    EXPECT_EQ(file.to_document(), "<?xml version=\"1.0\" standalone=\"no\" ?>\n"
                                  "<settings>\n"
                                  "    <ignore_list>\n"
                                  "        <rule applies_to=\"0\" case_sensitive=\"false\" "
                                  "compare=\"4\" phrase=\"Start\" />\n"
                                  "    </ignore_list>\n"
                                  "</settings>\n");

    for (const Pattern& pattern :
         {Pattern{1, 0, L"<Note & \"pad\">", true}, Pattern{3, 1, L"\u00e9diteur.exe", false},
          Pattern{2, 0, L"\u4e2d\u6587", false}, Pattern{0, 5, L"", false}})
        model.add_ignore_pattern(pattern);
    ConfigFile written;
    write_ignore_list(model, written.root());
    DataModel loaded;
    EXPECT_TRUE(read_ignore_list(parsed(written.to_document()).root(), loaded));
    EXPECT_EQ(loaded.ignore_patterns(), model.ignore_patterns());
}

} // namespace
