#include "storage/config_file.h"

#include "storage/temporary_data_folder.h"

#include <gtest/gtest.h>

namespace {

const std::string LATIN1_DECLARATION = "<?xml version=\"1.0\" standalone=\"no\" ?>\n";
const std::string UTF8_DECLARATION =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n";

TEST(ConfigFileLayout, SingleByteTextIsWrittenInTheTraditionalFormAndOtherTextAsDeclaredUtf8) {
    EXPECT_EQ(ConfigFile().to_document(), LATIN1_DECLARATION + "<settings />\n");
    ConfigFile file;
    engine::config_element& rule = file.root().add_child(L"ignore_list").add_child(L"rule");
    rule.property(L"phrase").set_value(L"Caf\u00e9 & <x>");
    rule.property(L"compare").set_int(4);
    rule.property(L"case_sensitive").set_bool(false);
    engine::config_element& empty = file.root().add_child(L"empty");
    empty.property(L"flag");
    const auto expected = [](const std::string& declaration, const std::string& e_acute,
                             const std::string& flag) {
        return declaration +
               "<settings>\n    <ignore_list>\n        <rule case_sensitive=\"false\" " +
               "compare=\"4\" phrase=\"Caf" + e_acute + " &amp; &lt;x&gt;\" />\n" +
               "    </ignore_list>\n    <empty flag=\"" + flag + "\" />\n</settings>\n";
    };
    EXPECT_EQ(file.to_document(), expected(LATIN1_DECLARATION, "\xE9", ""));

    empty.property(L"flag").set_value(L"\u4e2d");
    EXPECT_EQ(file.to_document(), expected(UTF8_DECLARATION, "\xC3\xA9", "\xE4\xB8\xAD"));
}

// The root is always written as "settings", so its name as read must not decide the encoding:
// it once did, and such a file came out as UTF-8 on the first save and single-byte on the next.
TEST(ConfigFileLayout, OnlyNamesAndValuesThatAreWrittenDecideTheEncoding) {
    const std::pair<std::string, bool> cases[] = {
        {"<?xmlencoding=\"UTF8\"><\xC7/>", false},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
         "<\xE4\xB8\xAD><rule phrase=\"Caf\xC3\xA9\"/></\xE4\xB8\xAD>",
         false},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><settings><\xE4\xB8\xAD/></settings>", true},
    };
    for (const auto& [document, utf8] : cases) {
        SCOPED_TRACE(document);
        ConfigFile file;
        ASSERT_TRUE(file.load_from_memory(document));
        const std::string saved = file.to_document();
        EXPECT_TRUE(saved.starts_with(utf8 ? UTF8_DECLARATION : LATIN1_DECLARATION)) << saved;

        ConfigFile reloaded;
        ASSERT_TRUE(reloaded.load_from_memory(saved));
        EXPECT_EQ(reloaded.to_document(), saved);
    }
}

TEST(ConfigFileLayout, LoadedFileKeepsItsByteOrderMarkButNotItsRootNameOrAttributeOrder) {
    ConfigFile file;
    ASSERT_TRUE(
        file.load_from_memory("\xEF\xBB\xBF<old_root><a v=\"\xC3\xA9\" b=\"1\"/></old_root>"));
    EXPECT_EQ(file.root().get_name(), L"old_root");
    EXPECT_EQ(file.root().find_child(L"a")->find_property(L"v")->get_value(), L"\u00e9");
    EXPECT_EQ(file.to_document(),
              "\xEF\xBB\xBF" + UTF8_DECLARATION +
                  "<settings>\n    <a b=\"1\" v=\"\xC3\xA9\" />\n</settings>\n");
}

TEST(ConfigFileRoundTrip, MarkupCharactersAndTextOfEveryScriptSurvive) {
    const std::wstring emoji = sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                                    : std::wstring{wchar_t(0x1F600)};
    TemporaryDataFolder folder;
    const std::wstring path = folder.file("ignore_list.xml");
    for (const std::wstring& phrase : std::vector<std::wstring>{
             L"a < b & c > d", L"both \" and '", L"&#x41; &amp; &lt;", L"  padded  ",
             L"tab\there\r\nline", std::wstring(L"nul\0inside", 10), L"caf\u00e9 \u00ff",
             L"\u4e2d\u6587\u7ec4", L"emoji " + emoji + L" and \u00e9", L"\u00e9\"",
             std::wstring(100000, L'x')}) {
        SCOPED_TRACE(testing::PrintToString(phrase.substr(0, 40)));
        ConfigFile saved;
        saved.root().add_child(L"rule").property(L"phrase").set_value(phrase);
        ASSERT_TRUE(saved.save(path));
        ConfigFile loaded;
        ASSERT_TRUE(loaded.load(path));
        ASSERT_NE(loaded.root().find_child(L"rule"), nullptr);
        EXPECT_EQ(loaded.root().find_child(L"rule")->find_property(L"phrase")->get_value(), phrase);
    }
}

TEST(ConfigFileLoad, SingleByteFilesLoadByteForCharacter) {
    // A byte above 127 right before a closing quote: read as UTF-8 it would swallow the quote.
    ConfigFile file;
    ASSERT_TRUE(file.load_from_memory("<?xml version=\"1.0\"  standalone='no' >\n"
                                      "<settings><!-- c -->text<rule phrase=\"Caf\xE9\" "
                                      "name=\"\xFF\xE4\"/><![CDATA[x]]><b/></settings>"));
    EXPECT_EQ(file.root().child_count(), 2u);
    const engine::config_element* rule = file.root().find_child(L"rule");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->find_property(L"phrase")->get_value(), L"Caf\u00e9");
    EXPECT_EQ(rule->find_property(L"name")->get_value(), L"\u00ff\u00e4");
}

TEST(ConfigFileLoad, UnusableDocumentsFailAndLeaveTheTreeAlone) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    const std::string documents[] = {
        "",
        "   \n",
        "not xml at all",
        "<?xml version=\"1.0\"  standalone='no' >\n",
        "<settings><rule phrase=\"x\"",
        "<settings><rule a=\"1\" a=\"2\"/></settings>",
        std::string("\x00\x01\x02\xFF\xFE<", 6),
        deep,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a v=\"\xE4",
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

} // namespace
