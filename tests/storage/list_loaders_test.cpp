#include "model/data_model.h"
#include "model/model_with_groups.h"
#include "storage/config_file.h"
#include "storage/group_file.h"
#include "storage/hidden_windows_file.h"
#include "storage/hot_key_file.h"
#include "storage/ignore_list_file.h"
#include "storage/log_tail.h"
#include "storage/timer_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::wstring loader_pattern_text(const Pattern& p) {
    return L" (" + std::to_wstring(p.compare) + L"," + std::to_wstring(p.applies_to) +
           (p.case_sensitive ? L",cs)" : L")") + p.phrase;
}

// Everything a loader put into the model, a record a line, ids counted from the first free one.
template <bool (*read)(const engine::config_element&, DataModel&)>
bool into_model(const engine::config_element& root, std::wostringstream& out) {
    DataModel model = read == read_groups ? DataModel() : model_with_groups({0, 5});
    const std::uint32_t key_id = next_hot_key_id() + 1, timer_id = next_timer_id() + 1;
    const bool result = read(root, model);
    for (const Pattern& pattern : model.ignore_patterns())
        out << L"ignore" << loader_pattern_text(pattern) << L"\n";
    for (int i = 0; read == read_groups && i < model.group_count(); ++i) {
        const Group group = model.group(i);
        out << group.id() << L" " << group.name();
        for (const Pattern& pattern : group.patterns())
            out << loader_pattern_text(pattern);
        out << L"\n";
    }
    for (int i = -EVENT_COUNT; i < model.hot_key_count(); ++i) {
        const HotKey k = i < 0 ? model.event_hot_key(i + EVENT_COUNT) : model.hot_key(i);
        if (k.key_code != UNSPECIFIED_KEY)
            out << L"key " << i << L": " << k.action << L" g" << k.group_id << L" " << k.mod_ctrl
                << k.mod_alt << k.mod_shift << k.mod_win << L" " << k.key_code << L" #"
                << k.id - key_id << L"\n";
    }
    for (int i = 0; i < model.timer_count(); ++i) {
        const VisibilityTimer& t = model.timer(i);
        out << L"timer " << t.type << t.enabled << L" " << t.start_h << L":" << t.start_m << L":"
            << t.start_s << L" " << t.duration_h << L":" << t.duration_m << L":" << t.duration_s
            << L" g" << t.group_id << L" #" << t.id - timer_id << L"\n";
    }
    return result;
}

// The journal of hidden windows trusts only exact rules of this boot: a rule that could name the
// wrong window is skipped.
bool hidden_windows(const engine::config_element& root, std::wostringstream& out) {
    std::vector<HiddenWindowEntry> entries{{1, 1, L"stale.exe", L"stale"}};
    const bool result = read_hidden_windows(root, {1, 1'700'000'000}, entries);
    for (const HiddenWindowEntry& entry : entries)
        out << L"hidden " << entry.hwnd << L" g" << entry.group_id << L"\n";
    return result;
}

const std::string OLD_RULE = " hwnd='65700' process_id='42' image_name='a.exe' title='T' "
                             "show_cmd='3' session_id='1' boot_time='1700000000'";

// Rules for one window, each with one attribute changed (none for ""); by default of the older
// format, which names the boot.
std::string hidden_rules(const std::vector<std::string>& changes,
                         const std::string& base = OLD_RULE) {
    std::string rules;
    for (const std::string& change : changes) {
        std::string rule = base;
        const std::size_t at = rule.find(" " + change.substr(0, change.find('=') + 1)) + 1;
        if (!change.empty())
            rule.replace(at, rule.find('\'', rule.find('\'', at) + 1) + 1 - at, change);
        rules += "<rule" + rule + "/>";
    }
    return "<settings><hidden_windows>" + rules + "</hidden_windows></settings>";
}

const std::wstring BAD_GROUP = L"Unable to load group, missing or invalid data.";
const std::wstring BAD_HIDDEN = L"Unable to load hidden window, missing or invalid data.";

TEST(ListLoaders, EachLoaderTakesGoodRulesAndSkipsFaultyOnesWithALineButNeedsItsList) {
    const std::string pattern =
        "<pattern phrase='p' compare='2' applies_to='0' case_sensitive='0'/>";
    const std::string key = "action='2' mod_ctrl='true' mod_alt='false' mod_shift='1' ";
    const std::string timer = "<rule enabled='true' start_h='10' start_m='20' start_s='30' ";
    // clang-format off
    const struct {
        bool (*read)(const engine::config_element&, std::wostringstream&);
        std::string document;
        bool result;
        std::vector<std::wstring> log;
        std::wstring records;
    } cases[] = {
        {into_model<read_ignore_list>, "<any><other/><ignore_list><note/>"
         "<rule phrase='Start' compare='4' applies_to='0' case_sensitive='false'/>"
         "<rule compare='4' applies_to='0' case_sensitive='0'/>"
         "<rule phrase='x.exe' compare='2' applies_to='1' case_sensitive='TRUE'/>"
         "<rule phrase='odd' compare='9' applies_to='7' case_sensitive='1'/></ignore_list>"
         "<ignore_list><rule phrase='second' compare='4' applies_to='0' case_sensitive='0'/></ignore_list></any>",
         true, {L"Unable to load ignore pattern, missing or invalid data."},
         L"ignore (4,0)Start\nignore (2,1,cs)x.exe\nignore (9,7,cs)odd\n"},
        {into_model<read_ignore_list>, "<settings><ignore_list/></settings>", true, {}, L""},
        {into_model<read_ignore_list>, "<settings><groups/></settings>", false, {L"Unable to load ignore patterns, invalid data file."}, L""},
        {into_model<read_groups>, "<settings><groups><rule id='4' name='Web'>" + pattern +
         "<pattern phrase='X.EXE' compare='4' applies_to='1' case_sensitive='1'/></rule>"
         "<rule id='abc' name='no digits'>" + pattern + "</rule><rule id='4' name='four'>" + pattern +
         "</rule><rule id='1' name='bad'><pattern phrase='p' compare='2' applies_to='0'/></rule>"
         "<rule id='2' name='one bad'><pattern compare='2' applies_to='0' case_sensitive='0'/>" +
         pattern + "</rule><rule name='no id'>" + pattern + "</rule><rule id='3'>" + pattern +
         "</rule><rule id='5' name='no patterns'/></groups></settings>",
         true, {L"Unable to load group, duplicate group id.", BAD_GROUP, BAD_GROUP, BAD_GROUP, BAD_GROUP,
                BAD_GROUP, BAD_GROUP},
         L"4 Web (2,0)p (4,1,cs)X.EXE\n0 no digits (2,0)p\n2 one bad (2,0)p\n"},
        {into_model<read_groups>, "<settings><group/></settings>", false, {L"Unable to load groups, invalid data file."}, L""},
        // Slot rules go where their index says, the last one winning; ids in the file are not used.
        {into_model<read_hot_keys>, "<settings><hotkeys>"
         "<rule event_index='-1' key_code='65' group_id='5' id='4' " + key + "mod_win='FALSE'/>"
         "<rule event_index='3' key_code='70' group_id='-1' " + key + "mod_win='0'/>"
         "<rule event_index='3' key_code='66' group_id='-1' " + key + "mod_win='1'/>"
         "<rule event_index='7' key_code='67' group_id='5' " + key + "mod_win='0'/>"
         "<rule event_index='-2' key_code='67' group_id='5' " + key + "mod_win='0'/>"
         "<rule event_index='-1' key_code='67' group_id='9' " + key + "mod_win='0'/>"
         "<rule event_index='-1' key_code='68' group_id='5' " + key + "/></hotkeys></settings>",
         true, {L"Hotkey loaded, but removed due to invalid group assocation.",
                L"Unable to load hot key, missing or invalid data."},
         L"key -2: 2 g-1 1011 66 #2\nkey 0: 2 g5 1010 65 #0\n"},
        {into_model<read_hot_keys>, "<settings/>", false, {L"Unable to load hot keys, invalid data file."}, L""},
        // A rule of unknown type takes no id; a stopwatch comes back inactive.
        {into_model<read_timers>, "<settings><timers>" +
         timer + "type='0' duration_h='0' duration_m='0' duration_s='30' group_id='0'/>" +
         timer + "type='2' duration_h='1' duration_m='0' duration_s='0' group_id='0'/>" +
         timer + "type='0' duration_h='1' duration_m='0' duration_s='0' group_id='8'/>" +
         "<rule enabled='true' type='0' start_h='1'/>" +
         timer + "type='0' duration_h='0' duration_m='1' duration_s='0' group_id='5'/>" +
         timer + "type='1' duration_h='1' duration_m='0' duration_s='0' group_id='0'/></timers></settings>",
         true, {L"Unable to load timer, missing or invalid settings.", L"Unable to load timer, missing or invalid type.",
                L"Timer loaded, but removed due to invalid group assocation.",
                L"Unable to load timer, missing or invalid data."},
         L"timer 01 10:20:30 0:1:0 g5 #2\ntimer 10 0:0:0 1:0:0 g0 #3\n"},
        {into_model<read_timers>, "<settings><hotkeys/></settings>", false, {L"Unable to load timers, invalid data file."}, L""},
        {hidden_windows, hidden_rules({"", "hwnd='18446744073709551615'", "show_cmd='1'", "show_cmd='2'", "title=''"}), true, {},
         L"hidden 65700 g-1\nhidden 18446744073709551615 g-1\nhidden 65700 g-1\nhidden 65700 g-1\nhidden 65700 g-1\n"},
        // Of the present format, a rule names its process by creation time, whatever the boot.
        {hidden_windows, hidden_rules({"", "group_id='5'", "group_id='-2'", "process_created='0'", "group_id='x'"},
                                      " hwnd='65700' process_id='42' image_name='a.exe' title='T' show_cmd='3' "
                                      "process_created='133000000000000000' group_id='-1'"),
         true, {3, BAD_HIDDEN}, L"hidden 65700 g-1\nhidden 65700 g5\n"},
        // Of the older format, another session or boot is silently out of date; a minute of drift
        // is not.
        {hidden_windows, hidden_rules({"session_id='2'", "boot_time='1699999939'", "boot_time='1700000060'",
                                       "boot_time='1699999940'"}), true, {}, L"hidden 65700 g-1\nhidden 65700 g-1\n"},
        {hidden_windows, hidden_rules({"hwnd='0'", "hwnd='12ab'", "hwnd='-65700'", "hwnd=' 65700'", "show_cmd='0'",
                                       "hwnd='18446744073709551616'", "process_id='4294967296'", "process_id='0'",
                                       "show_cmd='4'", "show_cmd='6'", "image_name=''", "boot_time=''", "session_id='x'"}),
         true, {13, BAD_HIDDEN}, L""},
        {hidden_windows, hidden_rules(std::vector<std::string>(MAX_HIDDEN_WINDOW_ENTRIES + 1, "")), false,
         {L"Unable to load hidden windows, too many entries."}, L""},
        {hidden_windows, "<settings><timers/></settings>", false, {L"Unable to load hidden windows, invalid data file."}, L""},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document.substr(0, 400));
        ConfigFile file;
        ASSERT_TRUE(file.load_from_memory(c.document));
        std::wostringstream records;
        LogTail log;
        EXPECT_EQ(c.read(file.root(), records), c.result);
        EXPECT_EQ(log.lines(), c.log);
        EXPECT_EQ(records.str(), c.records);
    }
}

} // namespace
