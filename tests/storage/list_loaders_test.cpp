#include "model/data_model.h"
#include "model/model_with_groups.h"
#include "storage/group_file.h"
#include "storage/hot_key_file.h"
#include "storage/ignore_list_file.h"
#include "storage/log_tail.h"
#include "storage/parsed_document.h"
#include "storage/timer_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::wstring loader_pattern_text(const Pattern& p) {
    return L"(" + std::to_wstring(p.compare) + L"," + std::to_wstring(p.applies_to) + L"," +
           (p.case_sensitive ? L"cs" : L"ci") + L")" + p.phrase;
}

// Everything a loader put into the model, one record a line; ids relative to the first free one.
std::wstring loaded_records(const DataModel& model, std::uint32_t first_key,
                            std::uint32_t first_timer) {
    std::wostringstream out;
    for (const Pattern& pattern : model.ignore_patterns())
        out << L"ignore " << loader_pattern_text(pattern) << L"\n";
    for (int i = 0; i < model.group_count(); ++i) {
        const Group group = model.group(i);
        if (group.patterns().empty())
            continue;
        out << L"group " << group.id() << L" " << group.name();
        for (const Pattern& pattern : group.patterns())
            out << L" " << loader_pattern_text(pattern);
        out << L"\n";
    }
    const auto key_text = [&](const HotKey& k) {
        out << k.action << L" g" << k.group_id << L" " << k.mod_ctrl << k.mod_alt << k.mod_shift
            << k.mod_win << L" " << k.key_code << L" #" << k.id - first_key << L"\n";
    };
    for (int slot = 0; slot < EVENT_COUNT; ++slot)
        if (model.event_hot_key(slot).key_code != UNSPECIFIED_KEY)
            out << L"slot " << slot << L" ", key_text(model.event_hot_key(slot));
    for (int i = 0; i < model.hot_key_count(); ++i)
        out << L"key ", key_text(model.hot_key(i));
    for (int i = 0; i < model.timer_count(); ++i) {
        const VisibilityTimer& t = model.timer(i);
        out << L"timer " << t.type << L" " << t.enabled << L" " << t.start_h << L":" << t.start_m
            << L":" << t.start_s << L" " << t.duration_h << L":" << t.duration_m << L":"
            << t.duration_s << L" g" << t.group_id << L" #" << t.id - first_timer << L"\n";
    }
    return out.str();
}

const std::wstring BAD_GROUP = L"Unable to load group, missing or invalid data.";
const std::string PAT =
    "<pattern phrase=\"p\" compare=\"2\" applies_to=\"0\" case_sensitive=\"0\"/>";
const std::string KEY = "action=\"2\" mod_ctrl=\"true\" mod_alt=\"false\" mod_shift=\"1\" ";
const std::string TIMER = "<rule enabled=\"true\" start_h=\"10\" start_m=\"20\" start_s=\"30\" ";

TEST(ListLoaders, EachLoaderTakesGoodRulesSkipsFaultyOnesWithALineAndNeedsItsList) {
    using Read = bool (*)(const engine::config_element&, DataModel&);
    const struct {
        Read read;
        std::string document;
        bool result;
        std::vector<std::wstring> log;
        std::wstring records;
    } cases[] = {
        {read_ignore_list,
         "<any><other/><ignore_list><note/>"
         "<rule phrase=\"Start\" compare=\"4\" applies_to=\"0\" case_sensitive=\"false\"/>"
         "<rule phrase=\"a\" compare=\"4\" applies_to=\"0\"/>"
         "<rule phrase=\"x.exe\" compare=\"2\" applies_to=\"1\" case_sensitive=\"TRUE\"/>"
         "<rule compare=\"4\" applies_to=\"0\" case_sensitive=\"false\"/>"
         "<rule phrase=\"odd\" compare=\"9\" applies_to=\"7\" case_sensitive=\"1\"/>"
         "<rule phrase=\"y\" compare=\"1\" applies_to=\"0\" case_sensitive=\"yes\"/>"
         "</ignore_list><ignore_list><rule phrase=\"second\" compare=\"4\" applies_to=\"0\" "
         "case_sensitive=\"false\"/></ignore_list></any>",
         true,
         {2, L"Unable to load ignore pattern, missing or invalid data."},
         L"ignore (4,0,ci)Start\nignore (2,1,cs)x.exe\nignore (9,7,cs)odd\nignore (1,0,ci)y\n"},
        {read_ignore_list, "<settings><ignore_list/></settings>", true, {}, L""},
        {read_ignore_list,
         "<settings><groups/></settings>",
         false,
         {L"Unable to load ignore patterns, invalid data file."},
         L""},
        {read_groups,
         "<settings><groups><rule id=\"4\" name=\"Browsers\">" + PAT +
             "<pattern phrase=\"X.EXE\" compare=\"4\" applies_to=\"1\" case_sensitive=\"1\"/>"
             "</rule><rule id=\"abc\" name=\"no digits\">" +
             PAT + "</rule><rule id=\"4\" name=\"second four\">" + PAT +
             "</rule><rule id=\"1\" name=\"only bad\"><pattern phrase=\"p\" compare=\"2\" "
             "applies_to=\"0\"/></rule><rule id=\"2\" name=\"one bad\"><pattern compare=\"2\" "
             "applies_to=\"0\" case_sensitive=\"false\"/>" +
             PAT + "</rule><rule name=\"no id\">" + PAT + "</rule><rule id=\"3\">" + PAT +
             "</rule><rule id=\"5\" name=\"no patterns\"/></groups></settings>",
         true,
         {L"Unable to load group, duplicate group id.", BAD_GROUP, BAD_GROUP, BAD_GROUP, BAD_GROUP,
          BAD_GROUP, BAD_GROUP},
         L"group 4 Browsers (2,0,ci)p (4,1,cs)X.EXE\ngroup 0 no digits (2,0,ci)p\n"
         L"group 2 one bad (2,0,ci)p\n"},
        {read_groups,
         "<settings><group/></settings>",
         false,
         {L"Unable to load groups, invalid data file."},
         L""},
        {read_hot_keys,
         "<settings><hotkeys><rule event_index=\"-1\" key_code=\"65\" group_id=\"5\" id=\"4\" " +
             KEY + "mod_win=\"FALSE\"/><rule event_index=\"3\" key_code=\"70\" group_id=\"-1\" " +
             KEY + "mod_win=\"0\"/><rule event_index=\"3\" key_code=\"66\" group_id=\"-1\" " + KEY +
             "mod_win=\"1\"/><rule event_index=\"7\" key_code=\"67\" group_id=\"5\" " + KEY +
             "mod_win=\"0\"/><rule event_index=\"-2\" key_code=\"67\" group_id=\"5\" " + KEY +
             "mod_win=\"0\"/><rule event_index=\"-1\" key_code=\"67\" group_id=\"9\" " + KEY +
             "mod_win=\"0\"/><rule event_index=\"-1\" key_code=\"68\" group_id=\"5\" " + KEY +
             "/></hotkeys></settings>",
         true,
         {L"Hotkey loaded, but removed due to invalid group assocation.",
          L"Unable to load hot key, missing or invalid data."},
         L"slot 3 2 g-1 1011 66 #2\nkey 2 g5 1010 65 #0\n"},
        {read_hot_keys,
         "<settings/>",
         false,
         {L"Unable to load hot keys, invalid data file."},
         L""},
        {read_timers,
         "<settings><timers>" + TIMER +
             "type=\"0\" duration_h=\"0\" duration_m=\"0\" duration_s=\"30\" group_id=\"0\"/>" +
             TIMER +
             "type=\"2\" duration_h=\"1\" duration_m=\"0\" duration_s=\"0\" group_id=\"0\"/>" +
             TIMER +
             "type=\"0\" duration_h=\"1\" duration_m=\"0\" duration_s=\"0\" group_id=\"8\"/>" +
             "<rule enabled=\"true\" type=\"0\" start_h=\"1\"/>" + TIMER +
             "type=\"0\" duration_h=\"0\" duration_m=\"1\" duration_s=\"0\" group_id=\"5\"/>" +
             TIMER +
             "type=\"1\" duration_h=\"1\" duration_m=\"0\" duration_s=\"0\" group_id=\"0\"/>" +
             "</timers></settings>",
         true,
         {L"Unable to load timer, missing or invalid settings.",
          L"Unable to load timer, missing or invalid type.",
          L"Timer loaded, but removed due to invalid group assocation.",
          L"Unable to load timer, missing or invalid data."},
         // A rule of unknown type takes no id; a stopwatch comes back inactive.
         L"timer 0 1 10:20:30 0:1:0 g5 #2\ntimer 1 0 0:0:0 1:0:0 g0 #3\n"},
        {read_timers,
         "<settings><hotkeys/></settings>",
         false,
         {L"Unable to load timers, invalid data file."},
         L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document);
        DataModel model = c.read == read_groups ? DataModel() : model_with_groups({0, 5});
        const std::uint32_t first_key = next_hot_key_id() + 1;
        const std::uint32_t first_timer = next_timer_id() + 1;
        LogTail log;
        EXPECT_EQ(c.read(parsed(c.document).root(), model), c.result);
        EXPECT_EQ(log.lines(), c.log);
        EXPECT_EQ(loaded_records(model, first_key, first_timer), c.records);
    }
}

} // namespace
