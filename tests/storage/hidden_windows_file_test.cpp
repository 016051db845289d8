#include "storage/hidden_windows_file.h"

#include "storage/log_tail.h"
#include "storage/parsed_document.h"

#include <gtest/gtest.h>

#include <map>

namespace {

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

std::string hidden_list(const std::string& rules) {
    return "<settings><hidden_windows>" + rules + "</hidden_windows></settings>";
}

const std::wstring BAD_HIDDEN = L"Unable to load hidden window, missing or invalid data.";

// The list is read strictly: a rule that could name the wrong window is skipped.
TEST(HiddenWindowsFile, OnlyExactRulesOfThisBootAreTrusted) {
    std::string many;
    for (std::size_t i = 0; i <= MAX_HIDDEN_WINDOW_ENTRIES; ++i)
        many += hidden_rule();
    const struct {
        std::string document;
        bool result;
        std::vector<WindowHandle> handles;
        std::vector<std::wstring> log;
    } cases[] = {
        {hidden_list(hidden_rule() + hidden_rule({{"hwnd", "4294967295"}, {"show_cmd", "1"}})),
         true,
         {65700, 4294967295u},
         {}},
        // Another session or another boot is silently out of date; a minute of drift is not.
        {hidden_list(hidden_rule({{"session_id", "2"}}) +
                     hidden_rule({{"boot_time", "1699999939"}}) +
                     hidden_rule({{"boot_time", "1700000060"}, {"hwnd", "65701"}}) +
                     hidden_rule({{"boot_time", "1699999940"}, {"hwnd", "65702"}})),
         true,
         {65701, 65702},
         {}},
        {hidden_list("<rule hwnd=\"65700\" image_name=\"a.exe\"/>"), true, {}, {BAD_HIDDEN}},
        {hidden_list(hidden_rule({{"hwnd", "0"}}) + hidden_rule({{"hwnd", "12ab"}}) +
                     hidden_rule({{"hwnd", "-65700"}}) + hidden_rule({{"hwnd", " 65700"}}) +
                     hidden_rule({{"hwnd", "99999999999999999999999"}}) +
                     hidden_rule({{"process_id", "4294967296"}}) +
                     hidden_rule({{"process_id", "0"}})),
         true,
         {},
         std::vector<std::wstring>(7, BAD_HIDDEN)},
        {hidden_list(hidden_rule({{"show_cmd", "0"}}) + hidden_rule({{"show_cmd", "4"}}) +
                     hidden_rule({{"show_cmd", "6"}}) + hidden_rule({{"image_name", ""}}) +
                     hidden_rule({{"boot_time", ""}}) + hidden_rule({{"session_id", "x"}})),
         true,
         {},
         std::vector<std::wstring>(6, BAD_HIDDEN)},
        {hidden_list(many), false, {}, {L"Unable to load hidden windows, too many entries."}},
        {"<settings><timers/></settings>",
         false,
         {},
         {L"Unable to load hidden windows, invalid data file."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document.substr(0, 300));
        std::vector<HiddenWindowEntry> entries{{1, 1, L"stale.exe", L"stale"}};
        const LogTail log;
        EXPECT_EQ(read_hidden_windows(parsed(c.document).root(), {1, 1'700'000'000}, entries),
                  c.result);
        std::vector<WindowHandle> handles;
        for (const HiddenWindowEntry& entry : entries)
            handles.push_back(entry.hwnd);
        EXPECT_EQ(handles, c.handles);
        EXPECT_EQ(log.lines(), c.log);
    }
}

} // namespace
