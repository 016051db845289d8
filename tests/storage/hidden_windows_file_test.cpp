#include "storage/hidden_windows_file.h"

#include "storage/log_tail.h"
#include "storage/parsed_document.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

namespace {

const engine::BootSession this_boot{1, 1'700'000'000};

// A rule of this boot for a hidden editor window, with the given attributes changed.
std::string hidden_rule(const std::map<std::string, std::string>& changed = {}) {
    std::map<std::string, std::string> values{
        {"hwnd", "65700"},          {"process_id", "4242"}, {"image_name", "notepad.exe"},
        {"title", "Notes"},         {"show_cmd", "3"},      {"session_id", "1"},
        {"boot_time", "1700000000"}};
    for (const auto& [name, value] : changed)
        values[name] = value;
    std::string text = "<rule";
    for (const auto& [name, value] : values)
        text += " " + name + "=\"" + value + "\"";
    return text + "/>";
}

std::vector<HiddenWindowEntry> read_hidden_rules(const std::string& rules,
                                                 bool expected_result = true) {
    const ConfigFile file =
        parsed("<settings><hidden_windows>" + rules + "</hidden_windows></settings>");
    std::vector<HiddenWindowEntry> entries;
    EXPECT_EQ(read_hidden_windows(file.root(), this_boot, entries), expected_result);
    return entries;
}

HiddenWindowEntry hidden_entry(WindowHandle hwnd, const std::wstring& title) {
    return {hwnd, 4242, L"notepad.exe", title, show_command::MAXIMIZED};
}

} // namespace

TEST(HiddenWindowsFile, EntriesComeBackAsWrittenAndReplaceWhatTheTreeHeld) {
    const std::vector<HiddenWindowEntry> written{
        hidden_entry(0x10010, L"Notes \"draft\" <1> & more"),
        {std::numeric_limits<WindowHandle>::max(), 0xFFFFFFFF, L"\u00e9diteur.exe",
         L"\u65e5\u672c\u8a9e", show_command::MINIMIZED},
    };
    ConfigFile file = parsed("<settings junk=\"1\"><hidden_windows>" + hidden_rule() +
                             "</hidden_windows><other/></settings>");
    write_hidden_windows(written, this_boot, file.root());
    const ConfigFile reloaded = parsed(file.to_document());

    EXPECT_EQ(reloaded.root().child_count(), 1u);
    EXPECT_TRUE(reloaded.root().get_properties().empty());
    std::vector<HiddenWindowEntry> read_back;
    EXPECT_TRUE(read_hidden_windows(reloaded.root(), this_boot, read_back));
    EXPECT_EQ(read_back, written);
}

TEST(HiddenWindowsFile, OnlyEntriesOfThisBootAreTrusted) {
    const auto entries = read_hidden_rules(
        hidden_rule({{"session_id", "2"}}) + hidden_rule({{"boot_time", "1699990000"}}) +
        hidden_rule({{"boot_time", "1700000030"}, {"hwnd", "65701"}}));

    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].hwnd, 65701u);
}

TEST(HiddenWindowsFile, ImpossibleValuesSkipTheirRuleWithALogLine) {
    const std::pair<std::string, std::string> impossible[] = {{"hwnd", "0"},
                                                              {"hwnd", "12ab"},
                                                              {"hwnd", "-65700"},
                                                              {"hwnd", "99999999999999999999999"},
                                                              {"process_id", "4294967296"},
                                                              {"show_cmd", "0"},
                                                              {"show_cmd", "11"},
                                                              {"image_name", ""},
                                                              {"boot_time", ""}};
    std::string text = "<rule hwnd=\"65700\" image_name=\"a.exe\"/>";
    for (const auto& [name, value] : impossible)
        text += hidden_rule({{name, value}});
    const LogTail log;

    EXPECT_TRUE(read_hidden_rules(text).empty());
    EXPECT_EQ(log.lines(), std::vector<std::wstring>(
                               10, L"Unable to load hidden window, missing or invalid data."));
}

TEST(HiddenWindowsFile, AFileWithoutTheListOrWithTooManyRulesGivesNothing) {
    std::vector<HiddenWindowEntry> entries{hidden_entry(1, L"stale")};
    const LogTail log;
    EXPECT_FALSE(
        read_hidden_windows(parsed("<settings><timers/></settings>").root(), this_boot, entries));
    EXPECT_TRUE(entries.empty());

    std::string many;
    for (std::size_t i = 0; i <= MAX_HIDDEN_WINDOW_ENTRIES; ++i)
        many += "<rule/>";
    EXPECT_TRUE(read_hidden_rules(many, false).empty());
    EXPECT_EQ(log.lines(),
              (std::vector<std::wstring>{L"Unable to load hidden windows, invalid data file.",
                                         L"Unable to load hidden windows, too many entries."}));
}
