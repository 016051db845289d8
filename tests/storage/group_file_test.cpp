#include "storage/group_file.h"

#include "model/data_model.h"
#include "storage/log_tail.h"
#include "storage/parsed_document.h"

#include <gtest/gtest.h>

namespace {

const std::wstring BAD_GROUP = L"Unable to load group, missing or invalid data.";
const std::string PATTERN =
    "<pattern phrase=\"p\" compare=\"2\" applies_to=\"0\" case_sensitive=\"false\"/>";

std::vector<std::wstring> names_of(const DataModel& model) {
    std::vector<std::wstring> names;
    for (int i = 0; i < model.group_count(); ++i)
        names.push_back(model.group(i).name());
    return names;
}

Pattern contains(const std::wstring& phrase, int applies_to = Pattern::WINDOW_TITLE) {
    Pattern pattern;
    pattern.compare = Pattern::CONTAINS;
    pattern.applies_to = applies_to;
    pattern.phrase = phrase;
    return pattern;
}

TEST(GroupFileLoad, ReadsGroupsWithTheirPatterns) {
    const ConfigFile file =
        parsed("<settings><groups>"
               "<rule id=\"4\" name=\"Browsers\">"
               "<pattern phrase=\"chrome\" compare=\"2\" applies_to=\"0\" case_sensitive=\"0\"/>"
               "<pattern phrase=\"X.EXE\" compare=\"4\" applies_to=\"1\" case_sensitive=\"1\"/>"
               "</rule></groups></settings>");
    DataModel model;
    EXPECT_TRUE(read_groups(file.root(), model));
    ASSERT_EQ(model.group_count(), 1);
    const Group group = model.group(0);
    EXPECT_EQ(group.id(), 4);
    EXPECT_EQ(group.name(), L"Browsers");
    ASSERT_EQ(group.pattern_count(), 2);
    EXPECT_EQ(group.pattern(0), contains(L"chrome"));
    EXPECT_EQ(group.pattern(1).phrase, L"X.EXE");
    EXPECT_TRUE(group.pattern(1).case_sensitive);
    EXPECT_EQ(group.pattern(1).applies_to, 1);
}

TEST(GroupFileLoad, FirstGroupWithAnIdWins) {
    const ConfigFile file = parsed("<settings><groups>"
                                   "<rule id=\"7\" name=\"first\">" +
                                   PATTERN + "</rule><rule id=\"7\" name=\"second\">" + PATTERN +
                                   "</rule></groups></settings>");
    DataModel model;
    LogTail log;
    EXPECT_TRUE(read_groups(file.root(), model));
    EXPECT_EQ(names_of(model), std::vector<std::wstring>{L"first"});
    EXPECT_EQ(log.lines(), std::vector<std::wstring>{L"Unable to load group, duplicate group id."});
}

TEST(GroupFileLoad, GroupWhoseOnlyPatternIsBadIsDroppedWithTwoLines) {
    const ConfigFile file = parsed("<settings><groups><rule id=\"1\" name=\"g\">"
                                   "<pattern phrase=\"p\" compare=\"2\" applies_to=\"0\"/>"
                                   "</rule></groups></settings>");
    DataModel model;
    LogTail log;
    EXPECT_TRUE(read_groups(file.root(), model));
    EXPECT_EQ(model.group_count(), 0);
    EXPECT_EQ(log.lines(), std::vector<std::wstring>(2, BAD_GROUP));
}

TEST(GroupFileLoad, BadPatternIsSkippedAndTheGroupKeepsTheRest) {
    const ConfigFile file =
        parsed("<settings><groups><rule id=\"1\" name=\"g\">"
               "<pattern compare=\"2\" applies_to=\"0\" case_sensitive=\"false\"/>" +
               PATTERN + "</rule></groups></settings>");
    DataModel model;
    LogTail log;
    EXPECT_TRUE(read_groups(file.root(), model));
    ASSERT_EQ(model.group_count(), 1);
    EXPECT_EQ(model.group(0).pattern_count(), 1);
    EXPECT_EQ(log.lines(), std::vector<std::wstring>{BAD_GROUP});
}

TEST(GroupFileLoad, RulesLackingIdNameOrPatternsAreSkipped) {
    const ConfigFile file = parsed("<settings><groups>"
                                   "<rule name=\"no id\">" +
                                   PATTERN + "</rule><rule id=\"2\">" + PATTERN +
                                   "</rule><rule id=\"3\" name=\"no patterns\"/>"
                                   "<rule id=\"4\" name=\"kept\">" +
                                   PATTERN + "</rule></groups></settings>");
    DataModel model;
    LogTail log;
    EXPECT_TRUE(read_groups(file.root(), model));
    EXPECT_EQ(names_of(model), std::vector<std::wstring>{L"kept"});
    EXPECT_EQ(log.lines(), std::vector<std::wstring>(3, BAD_GROUP));
}

TEST(GroupFileLoad, IdWithoutDigitsReadsAsZero) {
    const ConfigFile file = parsed("<settings><groups><rule id=\"abc\" name=\"g\">" + PATTERN +
                                   "</rule></groups></settings>");
    DataModel model;
    EXPECT_TRUE(read_groups(file.root(), model));
    ASSERT_EQ(model.group_count(), 1);
    EXPECT_EQ(model.group(0).id(), 0);
}

TEST(GroupFileLoad, MissingListElementFails) {
    DataModel model;
    LogTail log;
    EXPECT_FALSE(read_groups(parsed("<settings><group/></settings>").root(), model));
    EXPECT_EQ(log.lines(), std::vector<std::wstring>{L"Unable to load groups, invalid data file."});
}

TEST(GroupFileSave, WritesIdAndNameThenPatternsWithSortedAttributes) {
    Group group(3);
    group.set_name(L"Two");
    group.add_pattern(contains(L"a"));
    Pattern second = contains(L"b", Pattern::IMAGE_NAME);
    second.case_sensitive = true;
    group.add_pattern(second);
    DataModel model;
    model.add_group(group);
    ConfigFile file;
    file.root().add_child(L"stray");
    write_groups(model, file.root());
    EXPECT_EQ(file.to_document(), "<?xml version=\"1.0\" standalone=\"no\" ?>\n"
                                  "<settings>\n"
                                  "    <groups>\n"
                                  "        <rule id=\"3\" name=\"Two\">\n"
                                  "            <pattern applies_to=\"0\" case_sensitive=\"false\" "
                                  "compare=\"2\" phrase=\"a\" />\n"
                                  "            <pattern applies_to=\"1\" case_sensitive=\"true\" "
                                  "compare=\"2\" phrase=\"b\" />\n"
                                  "        </rule>\n"
                                  "    </groups>\n"
                                  "</settings>\n");
}

TEST(GroupFileRoundTrip, LoadsWhatWasSaved) {
    DataModel model;
    add_default_groups(model);
    Group chinese(model.next_group_id());
    chinese.set_name(L"\u4e2d\u6587\u7ec4 & <friends>");
    chinese.add_pattern(contains(L"\u00e9t\u00e9 \"quoted\""));
    model.add_group(chinese);
    const ConfigFile file =
        saved_and_reloaded([&](engine::config_element& root) { write_groups(model, root); });
    DataModel loaded;
    EXPECT_TRUE(read_groups(file.root(), loaded));
    ASSERT_EQ(loaded.group_count(), model.group_count());
    for (int i = 0; i < model.group_count(); ++i)
        EXPECT_EQ(loaded.group(i), model.group(i));
}

TEST(GroupDefaults, AreFourGroupsWithIdsZeroToThree) {
    DataModel model;
    add_default_groups(model);
    EXPECT_EQ(names_of(model), (std::vector<std::wstring>{L"Web Browsers", L"Graphics Programs",
                                                          L"Media Players", L"Explorer Windows"}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(model.group(i).id(), i);
    EXPECT_EQ(model.group(0).patterns(),
              (std::vector<Pattern>{contains(L"chrome"), contains(L"internet explorer"),
                                    contains(L"firefox"), contains(L"opera")}));
    EXPECT_EQ(model.group(1).patterns(),
              (std::vector<Pattern>{contains(L"paint"), contains(L"photoshop")}));
    EXPECT_EQ(model.group(2).patterns(),
              (std::vector<Pattern>{contains(L"winamp"), contains(L"itunes"), contains(L"spotify"),
                                    contains(L"media player")}));
    EXPECT_EQ(model.group(3).patterns(),
              (std::vector<Pattern>{contains(L"explorer.exe", Pattern::IMAGE_NAME)}));
}

TEST(GroupDefaults, TakeTheNextFreeIds) {
    DataModel model;
    model.add_group(Group(10));
    add_default_groups(model);
    EXPECT_EQ(model.group(1).id(), 11);
    EXPECT_EQ(model.group(4).id(), 14);
}

} // namespace
