#include "storage/hidden_windows_file.h"

#include "storage/log_tail.h"
#include "storage/parsed_document.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const engine::BootSession this_boot{1, 1'700'000'000};

struct HiddenRule {
    std::string hwnd = "65700";
    std::string process_id = "4242";
    std::string image_name = "notepad.exe";
    std::string title = "Notes - Editor";
    std::string show_cmd = "3";
    std::string session_id = "1";
    std::string boot_time = "1700000000";

    std::string text() const {
        auto attribute = [](const char* name, const std::string& value) {
            return std::string(" ") + name + "=\"" + value + "\"";
        };
        return "<rule" + attribute("hwnd", hwnd) + attribute("process_id", process_id) +
               attribute("image_name", image_name) + attribute("title", title) +
               attribute("show_cmd", show_cmd) + attribute("session_id", session_id) +
               attribute("boot_time", boot_time) + "/>";
    }
};

std::vector<HiddenWindowEntry> read(const std::string& rules, bool expected_result = true) {
    const ConfigFile file =
        parsed("<settings><hidden_windows>" + rules + "</hidden_windows></settings>");
    std::vector<HiddenWindowEntry> entries;
    EXPECT_EQ(read_hidden_windows(file.root(), this_boot, entries), expected_result);
    return entries;
}

HiddenWindowEntry entry(WindowHandle hwnd, const std::wstring& title) {
    return {hwnd, 4242, L"notepad.exe", title, show_command::MAXIMIZED};
}

} // namespace

TEST(HiddenWindowsFile, EntriesComeBackAsWrittenAndReplaceWhatTheTreeHeld) {
    const std::vector<HiddenWindowEntry> written{
        entry(0x10010, L"Notes \"draft\" <1> & more"),
        {std::numeric_limits<WindowHandle>::max(), 0xFFFFFFFF, L"\u00e9diteur.exe",
         L"\u65e5\u672c\u8a9e", show_command::MINIMIZED},
    };
    ConfigFile file = parsed("<settings junk=\"1\"><hidden_windows>" + HiddenRule{}.text() +
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
    HiddenRule other_session;
    other_session.session_id = "2";
    HiddenRule earlier_boot;
    earlier_boot.boot_time = "1699990000";
    HiddenRule same_boot_read_later;
    same_boot_read_later.boot_time = "1700000030";
    same_boot_read_later.hwnd = "65701";

    const auto entries =
        read(other_session.text() + earlier_boot.text() + same_boot_read_later.text());

    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].hwnd, 65701u);
}

TEST(HiddenWindowsFile, ImpossibleValuesSkipTheirRuleWithALogLine) {
    std::vector<HiddenRule> rules(9);
    rules[0].hwnd = "0";
    rules[1].hwnd = "12ab";
    rules[2].hwnd = "-65700";
    rules[3].hwnd = "99999999999999999999999";
    rules[4].process_id = "4294967296";
    rules[5].show_cmd = "0";
    rules[6].show_cmd = "11";
    rules[7].image_name = "";
    rules[8].boot_time = "";
    std::string text;
    for (const auto& rule : rules)
        text += rule.text();
    text += "<rule hwnd=\"65700\" image_name=\"a.exe\"/>";
    const LogTail log;

    EXPECT_TRUE(read(text).empty());
    EXPECT_EQ(log.lines(), std::vector<std::wstring>(
                               10, L"Unable to load hidden window, missing or invalid data."));
}

TEST(HiddenWindowsFile, AFileWithoutTheListOrWithTooManyRulesGivesNothing) {
    std::vector<HiddenWindowEntry> entries{entry(1, L"stale")};
    const LogTail log;
    EXPECT_FALSE(
        read_hidden_windows(parsed("<settings><timers/></settings>").root(), this_boot, entries));
    EXPECT_TRUE(entries.empty());

    std::string many;
    for (std::size_t i = 0; i <= MAX_HIDDEN_WINDOW_ENTRIES; ++i)
        many += "<rule/>";
    EXPECT_TRUE(read(many, false).empty());
    EXPECT_EQ(log.lines(),
              (std::vector<std::wstring>{L"Unable to load hidden windows, invalid data file.",
                                         L"Unable to load hidden windows, too many entries."}));
}
