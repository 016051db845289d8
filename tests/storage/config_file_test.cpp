#include "storage/config_file.h"

#include "storage/log_tail.h"
#include "storage/temporary_data_folder.h"
#include "storage/xml_shape_guard.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const std::string OLD_DECLARATION = "<?xml version=\"1.0\" standalone=\"no\" ?>\n";
const std::string UTF8_DECLARATION =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n";
const std::wstring CONFIG_EMOJI = sizeof(wchar_t) == 2
                                      ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                      : std::wstring{wchar_t(0x1F600)};

std::string one_rule(const std::string& declaration, const std::string& phrase) {
    return declaration + "<settings>\n    <rule phrase=\"" + phrase + "\" />\n</settings>\n";
}

// A file is UTF-8 when it has a byte order mark or its declaration says so, else each byte is one
// character; it is written single-byte when every character fits in one byte.
TEST(ConfigFileEncoding, FilesAreReadAndWrittenInTheEncodingTheirTextNeeds) {
    const struct {
        std::string stored;
        std::wstring phrase;
        std::string saved;
    } cases[] = {
        {"<settings><!-- c -->text<rule phrase=\"Caf\xE9\xFF\"/><![CDATA[x]]></settings>",
         L"Caf\u00e9\u00ff", one_rule(OLD_DECLARATION, "Caf\xE9\xFF")},
        {"<?xml version=\"1.0\"?><settings><rule phrase=\"\xE4\xB8\xAD\"/></settings>",
         L"\u00e4\u00b8\u00ad", one_rule(OLD_DECLARATION, "\xE4\xB8\xAD")},
        {"<!-- encoding=\"UTF-8\" --><settings><rule phrase=\"\xC3\xA9\"/></settings>",
         L"\u00c3\u00a9", one_rule(OLD_DECLARATION, "\xC3\xA9")},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><settings><rule "
         "phrase=\"\xE9\"/></settings>",
         L"\u00e9", one_rule(OLD_DECLARATION, "\xE9")},
        {"  <?XML version='1.0' encoding = 'utf8' ?><settings><rule "
         "phrase=\"\xC3\xA9\"/></settings>",
         L"\u00e9", one_rule(OLD_DECLARATION, "\xE9")},
        {UTF8_DECLARATION +
             "<settings><rule phrase=\"\xE4\xB8\xAD\xF0\x9F\x98\x80 a\"/></settings>",
         L"\u4e2d" + CONFIG_EMOJI + L" a",
         one_rule(UTF8_DECLARATION, "\xE4\xB8\xAD\xF0\x9F\x98\x80 a")},
        {"\xEF\xBB\xBF<old><rule phrase=\"a &amp; &lt;b&gt; &#x41;\"/></old>", L"a & <b> A",
         "\xEF\xBB\xBF" + one_rule(UTF8_DECLARATION, "a &amp; &lt;b&gt; A")},
        // The root is always written as "settings", so its name as read does not count.
        {UTF8_DECLARATION + "<\xE4\xB8\xAD><rule phrase=\"Caf\xC3\xA9\"/></\xE4\xB8\xAD>",
         L"Caf\u00e9", one_rule(OLD_DECLARATION, "Caf\xE9")},
    };
    TemporaryDataFolder folder;
    const std::wstring path = folder.file("list.xml");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        folder.write("list.xml", c.stored);
        ConfigFile file;
        ASSERT_TRUE(file.load(path));
        ASSERT_NE(file.root().find_child(L"rule"), nullptr);
        EXPECT_EQ(file.root().find_child(L"rule")->find_property(L"phrase")->get_value(), c.phrase);
        ASSERT_TRUE(file.save(path));
        EXPECT_EQ(folder.read("list.xml"), c.saved);
        ConfigFile reloaded;
        ASSERT_TRUE(reloaded.load(path));
        EXPECT_EQ(reloaded.root().find_child(L"rule")->find_property(L"phrase")->get_value(),
                  c.phrase);
    }
    // Text no single byte holds survives a save and a load, whatever the width of wchar_t.
    for (const std::wstring& phrase : std::vector<std::wstring>{
             L"both \" and ' \t\r\n", std::wstring(L"nul\0in", 6), L"\u00e9\"",
             std::wstring(L"a\xD800z"), std::wstring(100000, L'x') + CONFIG_EMOJI}) {
        ConfigFile saved;
        saved.root().add_child(L"rule").property(L"phrase").set_value(phrase);
        ASSERT_TRUE(saved.save(path));
        ConfigFile loaded;
        ASSERT_TRUE(loaded.load(path));
        EXPECT_EQ(loaded.root().find_child(L"rule")->find_property(L"phrase")->get_value(), phrase);
    }
}

std::string repeated(const std::string& part, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += part;
    return text;
}

std::string rule_with_attributes(int count) {
    std::string document = "<rule";
    for (int i = 0; i < count; ++i)
        document += " a" + std::to_string(i) + "=\"x\"";
    return document + "/>";
}

TEST(ConfigFileLoad, HostileOrBrokenFilesAreRefusedWithALineAndLeaveTheTreeAlone) {
    const std::string deepest =
        repeated("<a>", MAX_ELEMENT_DEPTH) + repeated("</a>", MAX_ELEMENT_DEPTH);
    const std::pair<std::string, bool> cases[] = {
        {deepest, true},
        {"<a>" + deepest + "</a>", false},
        {repeated("<a v='/>/>'>", MAX_ELEMENT_DEPTH + 1), false},
        {"<a>" + deepest.substr(3) + "<!--<a><a>--></a>", true},
        {"<a><![CDATA[" + repeated("<a>", 400) + "]]></a>", true},
        {"<a v=\"" + repeated("&lt;a&gt;", 400) + "\"/>", true},
        {std::string("<1 \" >") + "<a>" + deepest + "</a>" + "\"", false},
        {rule_with_attributes(MAX_ATTRIBUTES_PER_ELEMENT), true},
        {rule_with_attributes(MAX_ATTRIBUTES_PER_ELEMENT + 1), false},
        {"<s>" + repeated("<rule a=\"1\" /><rule></rule>", 5000) + "</s>", true},
        {"<s>" + std::string(MAX_CONFIG_FILE_SIZE - 7, ' ') + "</s>", true},
        {"<s>" + std::string(MAX_CONFIG_FILE_SIZE - 6, ' ') + "</s>", false},
        {"", false},
        {"not xml at all", false},
        {"<?xml version=\"1.0\"  standalone='no' >\n", false},
        {"<settings><rule phrase=\"x\"", false},
        {"<settings><rule a=\"1\" a=\"2\"/></settings>", false},
        {std::string("\x00\x01\x02\xFF\xFE<", 6), false},
        {UTF8_DECLARATION + "<a v=\"\xE4", false},
        {UTF8_DECLARATION + "<a v=\"a\xE9z\"/>", false},
    };
    TemporaryDataFolder folder;
    const std::wstring path = folder.file("list.xml");
    for (const auto& [document, usable] : cases) {
        SCOPED_TRACE(document.substr(0, 60));
        folder.write("list.xml", document);
        ConfigFile file;
        file.root().set_name(L"kept");
        const LogTail log;
        EXPECT_EQ(file.load(path), usable);
        EXPECT_EQ(file.root().get_name(), usable ? file.root().get_name() : L"kept");
        EXPECT_EQ(log.lines(),
                  usable ? std::vector<std::wstring>{}
                         : std::vector<std::wstring>{L"Unable to load configuration: " + path});
        if (!usable) {
            EXPECT_EQ(file.root().child_count(), 0u);
        }
    }
}

TEST(ConfigProperty, NumbersAreReadLikeTheCLibraryHeldToTheIntRangeAndFlagsAreTrueOrOne) {
    const std::pair<const wchar_t*, int> numbers[] = {{L"12abc", 12},
                                                      {L" -3", -3},
                                                      {L"\t\n+42", 42},
                                                      {L"abc", 0},
                                                      {L"", 0},
                                                      {L"- 5", 0},
                                                      {L"-2147483648", INT_MIN},
                                                      {L"2147483647", INT_MAX},
                                                      {L"2147483648", INT_MAX},
                                                      {L"99999999999999999999999", INT_MAX},
                                                      {L"-99999999999999999999999", INT_MIN}};
    engine::config_property property;
    for (const auto& [text, expected] : numbers) {
        property.set_value(text);
        EXPECT_EQ(property.get_int(), expected) << text;
    }
    property.set_int(INT_MIN);
    EXPECT_EQ(property.get_value(), L"-2147483648");
    for (const wchar_t* text : {L"True", L"TRUE", L"true", L"1", L"yes", L"", L"2", L" true"}) {
        property.set_value(text);
        EXPECT_EQ(property.get_bool(), std::wstring(text).size() == 4 || std::wstring(text) == L"1")
            << text;
    }
}

TEST(ConfigElement, AttributesAreOrderedByUtf16CodeUnitsWhateverTheWidthOfWideCharacters) {
    // U+1F600 is a surrogate pair in UTF-16 (0xD83D 0xDE00) and so sorts before U+FF21.
    engine::config_element element;
    for (const std::wstring& name :
         {std::wstring{wchar_t(0xFF21)}, CONFIG_EMOJI, std::wstring(L"z"), std::wstring(L"a")})
        element.property(name);
    std::vector<std::wstring> names;
    for (const auto& entry : element.get_properties())
        names.push_back(entry.first);
    EXPECT_EQ(names,
              (std::vector<std::wstring>{L"a", L"z", CONFIG_EMOJI, std::wstring{wchar_t(0xFF21)}}));
}

} // namespace
