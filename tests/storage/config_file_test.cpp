#include "storage/config_file.h"

#include "storage/log_tail.h"
#include "storage/temporary_data_folder.h"
#include "storage/xml_shape_guard.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::string repeated(const std::string& part, std::size_t count) {
    std::string text;
    while (count-- > 0)
        text += part;
    return text;
}

// A file is UTF-8 when it has a byte order mark or its declaration says so, else each byte is one
// character; it is written single-byte when every character fits in one byte, else as UTF-8.
// Files too deep, too wide or too large for the parser are refused.
TEST(ConfigFile, ReadsEachFileInItsEncodingWritesWhatItsTextNeedsAndRefusesHostileOnes) {
    const std::string old = "<?xml version=\"1.0\" standalone=\"no\" ?>\n<settings>\n    <rule";
    const std::string utf8 =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n<settings>\n    <rule";
    const std::string end = " />\n</settings>\n", bom = "\xEF\xBB\xBF";
    const std::wstring emoji = sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                                    : std::wstring{wchar_t(0x1F600)};
    const auto nest = [](int depth) { return repeated("<a>", depth) + repeated("</a>", depth); };
    std::string widest = "<rule";
    for (int i = 1; i < MAX_ATTRIBUTES_PER_ELEMENT; ++i)
        widest += " a" + std::to_string(i) + "='x'";
    // clang-format off
    const struct {
        std::string stored;
        std::wstring phrase; // of the first rule, as loaded
        std::string saved;   // empty when the file is refused
    } cases[] = {
        {"<settings><!-- c -->text<rule phrase=\"Caf\xE9\xFF\"/><![CDATA[x]]></settings>", L"Caf\u00e9\u00ff", old + " phrase=\"Caf\xE9\xFF\"" + end},
        {"<?xml version='1.0'?><settings><rule phrase='\xE4\xB8\xAD'/></settings>", L"\u00e4\u00b8\u00ad", old + " phrase=\"\xE4\xB8\xAD\"" + end},
        {"<!-- encoding='UTF-8' --><settings><rule phrase='\xC3\xA9'/></settings>", L"\u00c3\u00a9", old + " phrase=\"\xC3\xA9\"" + end},
        {"<?xml version='1.0' encoding='ISO-8859-1'?><settings><rule phrase='\xE9'/></settings>", L"\u00e9", old + " phrase=\"\xE9\"" + end},
        {"  <?XML version='1.0' encoding = 'utf8' ?><settings><rule phrase='\xC3\xA9'/></settings>", L"\u00e9", old + " phrase=\"\xE9\"" + end},
        {"<?xml encoding='UTF-8'?><settings><rule phrase='\xE4\xB8\xAD\xF0\x9F\x98\x80'/></settings>", L"\u4e2d" + emoji, utf8 + " phrase=\"\xE4\xB8\xAD\xF0\x9F\x98\x80\"" + end},
        {bom + "<old><rule phrase='a &amp; &lt;b&gt; &#x41;\"'/></old>", L"a & <b> A\"", bom + utf8 + " phrase='a &amp; &lt;b&gt; A&quot;'" + end},
        // The root is always written as "settings", so its name as read does not count.
        {"<?xml encoding='UTF-8'?><\xE4\xB8\xAD><rule phrase='\xC3\xA9'/></\xE4\xB8\xAD>", L"\u00e9", old + " phrase=\"\xE9\"" + end},
        // Attributes are ordered by UTF-16 code units whatever the width of wchar_t.
        {bom + "<s><rule \xEF\xBC\xA1='1' \xF0\x9F\x98\x80='2' z='3' phrase='p'/></s>", L"p", bom + utf8 + " phrase=\"p\" z=\"3\" \xF0\x9F\x98\x80=\"2\" \xEF\xBC\xA1=\"1\"" + end},
        {"<s><rule phrase='d'/>" + nest(MAX_ELEMENT_DEPTH - 1) + "</s>", L"d", ""},
        {"<s><rule phrase='d'/>" + nest(MAX_ELEMENT_DEPTH) + "</s>", L"", ""},
        {"<s><rule phrase='c'/><!--" + nest(400) + "--><![CDATA[" + nest(400) + "]]></s>", L"c", ""},
        {repeated("<rule phrase='/>/>'>", MAX_ELEMENT_DEPTH + 1) + repeated("</rule>", MAX_ELEMENT_DEPTH + 1), L"", ""},
        {"<s>" + widest + " phrase='w'/></s>", L"w", ""}, {"<s>" + widest + " a='b' phrase='w'/></s>", L"", ""},
        {"", L"", ""}, {"not xml", L"", ""}, {"<?xml version='1.0'?>\n", L"", ""}, {"<s><rule phrase='x'", L"", ""},
        {"<s><rule a='1' a='2'/></s>", L"", ""}, {std::string("\x00\xFF\xFE<", 4), L"", ""},
        // A byte that is not UTF-8 is the character of its value, as in a file without a declaration.
        {"<?xml encoding='UTF-8'?><s><rule phrase='a\xE9z' b='\xC3\xA9\xFF\xC3'/></s>", L"a\u00e9z", old + " b=\"\xE9\xFF\xC3\" phrase=\"a\xE9z\"" + end},
        // An unpaired surrogate is written as its own three bytes, and read back so.
        {"<?xml encoding='UTF-8'?><s><rule phrase='a\xED\xA0\x80z'/></s>", L"a\xD800z", utf8 + " phrase=\"a\xED\xA0\x80z\"" + end}};
    // clang-format on
    TemporaryDataFolder folder;
    const std::wstring path = folder.file(L"list.xml");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.substr(0, 100));
        folder.write("list.xml", c.stored);
        ConfigFile file;
        file.root().set_name(L"kept");
        const LogTail log;
        const bool usable = !c.phrase.empty();
        EXPECT_EQ(file.load(path), usable);
        EXPECT_EQ(log.lines(),
                  std::vector<std::wstring>(!usable, L"Unable to load configuration: " + path));
        // A refused file leaves the document as it was.
        const auto* rule = usable ? file.root().find_child(L"rule") : nullptr;
        EXPECT_EQ(rule ? rule->find_property(L"phrase")->get_value()
                       : file.root().get_name() + std::to_wstring(file.root().child_count()),
                  usable ? c.phrase : L"kept0");
        if (!c.saved.empty()) {
            ASSERT_TRUE(file.save(path));
            EXPECT_EQ(folder.read("list.xml"), c.saved);
        }
    }
}

TEST(ConfigProperty, NumbersAreReadLikeTheCLibraryHeldToTheIntRangeAndFlagsAreTrueOrOne) {
    // clang-format off
    const std::pair<const wchar_t*, int> numbers[] = {
        {L"12abc", 12}, {L" -3", -3}, {L"\t\n+42", 42}, {L"abc", 0}, {L"", 0}, {L"- 5", 0}, {L"-2147483648", INT_MIN},
        {L"2147483647", INT_MAX}, {L"2147483648", INT_MAX}, {L"99999999999999999999999", INT_MAX},
        {L"-2147483649", INT_MIN}, {L"-99999999999999999999999", INT_MIN}};
    const std::pair<const wchar_t*, bool> flags[] = {
        {L"True", true}, {L"TRUE", true}, {L"true", true}, {L"1", true}, {L"yes", false}, {L"", false}, {L"2", false}, {L" true", false}};
    // clang-format on
    engine::config_property property;
    for (const auto& [text, expected] : numbers)
        EXPECT_EQ((property.set_value(text), property.get_int()), expected) << text;
    for (const auto& [text, expected] : flags)
        EXPECT_EQ((property.set_value(text), property.get_bool()), expected) << text;
    property.set_int(INT_MIN);
    EXPECT_EQ(property.get_value(), L"-2147483648");
}

} // namespace
