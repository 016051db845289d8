#include "storage/config_file.h"

#include "storage/log_tail.h"
#include "storage/temporary_data_folder.h"

#include <gtest/gtest.h>

namespace {

const std::string LATIN1_DECLARATION = "<?xml version=\"1.0\" standalone=\"no\" ?>\n";
const std::string UTF8_DECLARATION =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n";

std::wstring grinning_face() {
    if constexpr (sizeof(wchar_t) == 2)
        return {wchar_t(0xD83D), wchar_t(0xDE00)};
    else
        return {wchar_t(0x1F600)};
}

// Saves a one-rule file holding `phrase` and loads it into a fresh tree.
std::wstring phrase_after_round_trip(const std::wstring& phrase) {
    TemporaryDataFolder folder;
    ConfigFile saved;
    saved.root().add_child(L"ignore_list").add_child(L"rule").property(L"phrase").set_value(phrase);
    EXPECT_TRUE(saved.save(folder.file("ignore_list.xml")));

    ConfigFile loaded;
    EXPECT_TRUE(loaded.load(folder.file("ignore_list.xml")));
    const engine::config_element* list = loaded.root().find_child(L"ignore_list");
    const engine::config_element* rule = list ? list->find_child(L"rule") : nullptr;
    const engine::config_property* value = rule ? rule->find_property(L"phrase") : nullptr;
    return value ? value->get_value() : L"<missing>";
}

TEST(ConfigFileLayout, SingleByteFileIsWrittenExactlyInTheTraditionalForm) {
    ConfigFile file;
    engine::config_element& rule = file.root().add_child(L"ignore_list").add_child(L"rule");
    rule.property(L"phrase").set_value(L"Caf\u00e9 & <x>");
    rule.property(L"compare").set_int(4);
    rule.property(L"applies_to").set_int(0);
    rule.property(L"case_sensitive").set_bool(false);
    file.root().add_child(L"empty");

    EXPECT_EQ(file.to_document(), LATIN1_DECLARATION +
                                      "<settings>\n"
                                      "    <ignore_list>\n"
                                      "        <rule applies_to=\"0\" case_sensitive=\"false\" "
                                      "compare=\"4\" phrase=\"Caf\xE9 &amp; &lt;x&gt;\" />\n"
                                      "    </ignore_list>\n"
                                      "    <empty />\n"
                                      "</settings>\n");
}

TEST(ConfigFileLayout, EmptyTreeIsAnEmptySettingsElement) {
    EXPECT_EQ(ConfigFile().to_document(), LATIN1_DECLARATION + "<settings />\n");
}

TEST(ConfigFileLayout, TextBeyondLatin1IsWrittenAsDeclaredUtf8) {
    ConfigFile file;
    file.root().add_child(L"groups").add_child(L"rule").property(L"name").set_value(L"\u4e2d");
    EXPECT_EQ(file.to_document(), UTF8_DECLARATION + "<settings>\n"
                                                     "    <groups>\n"
                                                     "        <rule name=\"\xE4\xB8\xAD\" />\n"
                                                     "    </groups>\n"
                                                     "</settings>\n");
}

TEST(ConfigFileLayout, ByteOrderMarkOfALoadedFileIsWrittenAgain) {
    ConfigFile file;
    ASSERT_TRUE(file.load_from_memory("\xEF\xBB\xBF<settings><a v=\"\xC3\xA9\"/></settings>"));
    EXPECT_EQ(file.root().find_child(L"a")->find_property(L"v")->get_value(), L"\u00e9");
    EXPECT_EQ(file.to_document(), "\xEF\xBB\xBF" + UTF8_DECLARATION +
                                      "<settings>\n    <a v=\"\xC3\xA9\" />\n</settings>\n");
}

TEST(ConfigFileLayout, AttributesComeOutSortedAndAnyRootBecomesSettings) {
    ConfigFile file;
    ASSERT_TRUE(file.load_from_memory(
        "<old_root><rule phrase=\"x\" compare=\"2\" applies_to=\"1\" case_sensitive=\"true\"/>"
        "</old_root>"));
    EXPECT_EQ(file.root().get_name(), L"old_root");
    EXPECT_EQ(file.to_document(), LATIN1_DECLARATION +
                                      "<settings>\n"
                                      "    <rule applies_to=\"1\" case_sensitive=\"true\" "
                                      "compare=\"2\" phrase=\"x\" />\n"
                                      "</settings>\n");
}

TEST(ConfigFileLayout, PropertyCreatedOnDemandIsWrittenEmpty) {
    ConfigFile file;
    file.root().add_child(L"options").property(L"flag");
    EXPECT_EQ(file.to_document(),
              LATIN1_DECLARATION + "<settings>\n    <options flag=\"\" />\n</settings>\n");
}

TEST(ConfigFileRoundTrip, MarkupCharactersSurvive) {
    for (const std::wstring& phrase : std::vector<std::wstring>{
             L"a < b & c > d", L"say \"hi\"", L"it's", L"both \" and '", L"&#x41; &amp; &lt;",
             L"  padded  ", L"tab\there\r\nline", std::wstring(L"nul\0inside", 10)}) {
        EXPECT_EQ(phrase_after_round_trip(phrase), phrase);
    }
}

TEST(ConfigFileRoundTrip, TextOfEveryScriptSurvives) {
    for (const std::wstring& phrase : std::vector<std::wstring>{
             std::wstring(L"caf\u00e9 na\u00efve \u00ff"), std::wstring(L"\u4e2d\u6587\u7ec4"),
             L"emoji " + grinning_face() + L" and \u00e9", std::wstring(L"\u00e9\"")}) {
        EXPECT_EQ(phrase_after_round_trip(phrase), phrase);
    }
}

TEST(ConfigFileRoundTrip, LatinOnlyTreeStaysSingleByteOnDisk) {
    TemporaryDataFolder folder;
    ConfigFile file;
    file.root().add_child(L"rule").property(L"phrase").set_value(L"\u00e9");
    ASSERT_TRUE(file.save(folder.file("a.xml")));
    const std::string bytes = folder.read("a.xml");
    EXPECT_EQ(bytes.find("encoding"), std::string::npos);
    EXPECT_NE(bytes.find("phrase=\"\xE9\""), std::string::npos);
}

TEST(ConfigFileLoad, SingleByteFilesLoadByteForCharacter) {
    // A byte above 127 right before a closing quote: read as UTF-8 it would swallow the quote.
    ConfigFile file;
    ASSERT_TRUE(file.load_from_memory("<?xml version=\"1.0\"  standalone='no' >\n"
                                      "<settings><rule phrase=\"Caf\xE9\" name=\"\xFF\xE4\"/>"
                                      "</settings>"));
    const engine::config_element* rule = file.root().find_child(L"rule");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->find_property(L"phrase")->get_value(), L"Caf\u00e9");
    EXPECT_EQ(rule->find_property(L"name")->get_value(), L"\u00ff\u00e4");
}

TEST(ConfigFileLoad, NodesOtherThanElementsArePassedOver) {
    ConfigFile file;
    ASSERT_TRUE(file.load_from_memory(
        "<!-- note --><settings>text<!-- c --><a/>more<![CDATA[x]]><b/></settings>"));
    EXPECT_EQ(file.root().child_count(), 2u);
    EXPECT_NE(file.root().find_child(L"b"), nullptr);
}

TEST(ConfigFileLoad, VeryLongAttributeLoads) {
    const std::string long_value(100000, 'x');
    ConfigFile file;
    ASSERT_TRUE(
        file.load_from_memory("<settings><rule phrase=\"" + long_value + "\"/></settings>"));
    EXPECT_EQ(file.root().find_child(L"rule")->find_property(L"phrase")->get_value().size(),
              100000u);
}

TEST(ConfigFileLoad, UnusableDocumentsFailAndLeaveTheTreeAlone) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    std::string truncated_utf8 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a v=\"\xE4";
    const std::string documents[] = {
        "",
        "   \n",
        "not xml at all",
        "<?xml version=\"1.0\"  standalone='no' >\n",
        "<settings><rule phrase=\"x\"",
        "<settings><rule a=\"1\" a=\"2\"/></settings>",
        std::string("\x00\x01\x02\xFF\xFE<", 6),
        deep,
        truncated_utf8,
        "<settings>" + std::string(MAX_CONFIG_FILE_SIZE, ' ') + "</settings>",
    };
    for (const std::string& document : documents) {
        ConfigFile file;
        file.root().set_name(L"kept");
        EXPECT_FALSE(file.load_from_memory(document)) << document.substr(0, 60);
        EXPECT_EQ(file.root().get_name(), L"kept");
        EXPECT_EQ(file.root().child_count(), 0u);
    }
}

TEST(ConfigFileLoad, MissingFileLogsTheReaderThenTheConfigurationLine) {
    TemporaryDataFolder folder;
    const std::wstring path = folder.file("hotkeys.xml");
    LogTail log;
    ConfigFile file;
    EXPECT_FALSE(file.load(path));
    EXPECT_EQ(log.lines(), (std::vector<std::wstring>{L"Unable to load file: " + path + L".",
                                                      L"Unable to load configuration: " + path}));
}

TEST(ConfigFileLoad, MalformedFileLogsOnlyTheConfigurationLine) {
    TemporaryDataFolder folder;
    folder.write("timers.xml", "<settings><timers>");
    LogTail log;
    ConfigFile file;
    EXPECT_FALSE(file.load(folder.file("timers.xml")));
    EXPECT_EQ(log.lines(), (std::vector<std::wstring>{L"Unable to load configuration: " +
                                                      folder.file("timers.xml")}));
}

TEST(ConfigFileSave, FailureIsLoggedWithAFullStop) {
    TemporaryDataFolder folder;
    const std::wstring path = folder.file("no such folder/groups.xml");
    LogTail log;
    EXPECT_FALSE(ConfigFile().save(path));
    EXPECT_EQ(log.lines(),
              (std::vector<std::wstring>{L"Unable to save configuration: " + path + L"."}));
}

} // namespace
