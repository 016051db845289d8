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
    return {Pattern::CONTAINS, applies_to, phrase};
}

ConfigFile groups_file(const std::string& rules) {
    return parsed("<settings><groups>" + rules + "</groups></settings>");
}

TEST(GroupFileLoad, ReadsGroupsWithTheirPatterns) {
    DataModel model;
    EXPECT_TRUE(read_groups(
        groups_file(
            "<rule id=\"4\" name=\"Browsers\">"
            "<pattern phrase=\"chrome\" compare=\"2\" applies_to=\"0\" case_sensitive=\"0\"/>"
            "<pattern phrase=\"X.EXE\" compare=\"4\" applies_to=\"1\" case_sensitive=\"1\"/>"
            "</rule><rule id=\"abc\" name=\"no digits\">" +
            PATTERN + "</rule>")
            .root(),
        model));
    ASSERT_EQ(model.group_count(), 2);
    EXPECT_EQ(model.group(0).id(), 4);
    EXPECT_EQ(model.group(0).name(), L"Browsers");
    EXPECT_EQ(
        model.group(0).patterns(),
        (std::vector<Pattern>{contains(L"chrome"),
                              {Pattern::EXACTLY_MATCHES, Pattern::IMAGE_NAME, L"X.EXE", true}}));
    EXPECT_EQ(model.group(1).id(), 0);
}

TEST(GroupFileLoad, SkipsFaultyRulesAndPatternsWithALineEach) {
    const struct {
        const char* what;
        std::string rules;
        std::vector<std::wstring> names;
        std::vector<std::wstring> log;
    } cases[] = {
        {"duplicate id: the first wins",
         "<rule id=\"7\" name=\"first\">" + PATTERN + "</rule><rule id=\"7\" name=\"second\">" +
             PATTERN + "</rule>",
         {L"first"},
         {L"Unable to load group, duplicate group id."}},
        {"only pattern bad: group dropped with two lines",
         "<rule id=\"1\" name=\"g\"><pattern phrase=\"p\" compare=\"2\" applies_to=\"0\"/></rule>",
         {},
         {BAD_GROUP, BAD_GROUP}},
        {"bad pattern skipped, group kept",
         "<rule id=\"1\" name=\"g\"><pattern compare=\"2\" applies_to=\"0\" "
         "case_sensitive=\"false\"/>" +
             PATTERN + "</rule>",
         {L"g"},
         {BAD_GROUP}},
        {"no id, no name, no patterns",
         "<rule name=\"no id\">" + PATTERN + "</rule><rule id=\"2\">" + PATTERN +
             "</rule><rule id=\"3\" name=\"no patterns\"/><rule id=\"4\" name=\"kept\">" + PATTERN +
             "</rule>",
         {L"kept"},
         {BAD_GROUP, BAD_GROUP, BAD_GROUP}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DataModel model;
        LogTail log;
        EXPECT_TRUE(read_groups(groups_file(c.rules).root(), model));
        EXPECT_EQ(names_of(model), c.names);
        EXPECT_EQ(log.lines(), c.log);
    }
    DataModel model;
    LogTail log;
    EXPECT_FALSE(read_groups(parsed("<settings><group/></settings>").root(), model));
    EXPECT_EQ(log.lines(), std::vector<std::wstring>{L"Unable to load groups, invalid data file."});
}

TEST(GroupFileSave, WritesIdAndNameThenPatternsWithSortedAttributesAndReadsThemBack) {
    Group group(3);
    group.set_name(L"\u4e2d\u6587 & <friends>");
    group.add_pattern(contains(L"a"));
    group.add_pattern({Pattern::CONTAINS, Pattern::IMAGE_NAME, L"\u00e9t\u00e9 \"b\"", true});
    DataModel model;
    model.add_group(group);
    model.add_group(Group(1));
    ConfigFile file;
    file.root().add_child(L"stray");
    write_groups(model, file.root());
    EXPECT_EQ(file.to_document(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n"
              "<settings>\n"
              "    <groups>\n"
              "        <rule id=\"3\" name=\"\xE4\xB8\xAD\xE6\x96\x87 &amp; &lt;friends&gt;\">\n"
              "            <pattern applies_to=\"0\" case_sensitive=\"false\" "
              "compare=\"2\" phrase=\"a\" />\n"
              "            <pattern applies_to=\"1\" case_sensitive=\"true\" "
              "compare=\"2\" phrase='\xC3\xA9t\xC3\xA9 &quot;b&quot;' />\n"
              "        </rule>\n"
              "        <rule id=\"1\" name=\"Untitled Group\" />\n"
              "    </groups>\n"
              "</settings>\n");

    DataModel loaded;
    EXPECT_TRUE(read_groups(parsed(file.to_document()).root(), loaded));
    ASSERT_EQ(loaded.group_count(), 1) << "a group without patterns is not loaded";
    EXPECT_EQ(loaded.group(0), group);
}

TEST(GroupDefaults, AreFourGroupsTakingTheNextFreeIds) {
    DataModel model;
    model.add_group(Group(10));
    add_default_groups(model);
    EXPECT_EQ(names_of(model),
              (std::vector<std::wstring>{L"Untitled Group", L"Web Browsers", L"Graphics Programs",
                                         L"Media Players", L"Explorer Windows"}));
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(model.group(i).id(), 10 + i);
    EXPECT_EQ(model.group(1).pattern(0), contains(L"chrome"));
    EXPECT_EQ(model.group(4).patterns(),
              (std::vector<Pattern>{contains(L"explorer.exe", Pattern::IMAGE_NAME)}));
}

} // namespace
