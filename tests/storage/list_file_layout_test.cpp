#include "model/data_model.h"
#include "model/model_with_groups.h"
#include "storage/group_file.h"
#include "storage/hidden_windows_file.h"
#include "storage/hot_key_file.h"
#include "storage/ignore_list_file.h"
#include "storage/parsed_document.h"
#include "storage/timer_file.h"

#include <gtest/gtest.h>

namespace {

const std::wstring LAYOUT_EMOJI = sizeof(wchar_t) == 2
                                      ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                      : std::wstring{wchar_t(0x1F600)};
const engine::BootSession LAYOUT_BOOT{1, 1'700'000'000};

// Each list file as written, byte for byte; read back and written again it comes out the same.
TEST(ListFileLayout, EachListIsWrittenWithSortedAttributesAndSurvivesARoundTrip) {
    DataModel model = model_with_groups({0, 3});
    add_default_ignore_patterns(model);
    model.remove_ignore_pattern(1);
    model.add_ignore_pattern({1, 0, L"<Caf\u00e9 & \"pad\"> \u00ff", true});
    model.add_ignore_pattern({3, 1, L"it's", false});
    Group group(3);
    group.set_name(L"\u4e2d\u6587 & <friends> " + LAYOUT_EMOJI);
    group.add_pattern({Pattern::CONTAINS, Pattern::WINDOW_TITLE, L"a"});
    group.add_pattern({Pattern::CONTAINS, Pattern::IMAGE_NAME, L"\u00e9t\u00e9 \"b\"", true});
    model.set_group(1, group);
    Group first(0);
    first.add_pattern({Pattern::EXACTLY_MATCHES, Pattern::WINDOW_TITLE, L"x"});
    model.set_group(0, first);
    model.set_event_hot_key(EVENT_HIDE_ALL_WINDOWS, HotKey{.mod_alt = true, .key_code = 112});
    model.add_hot_key(
        HotKey{.action = HotKey::SHOW_ONLY, .group_id = 3, .mod_win = true, .key_code = 82});
    VisibilityTimer clock{.group_id = 3, .enabled = true, .start_h = 9, .start_m = 45};
    clock.duration_h = 8;
    clock.duration_m = 30;
    clock.duration_s = 15;
    VisibilityTimer stopwatch = clock;
    stopwatch.type = VisibilityTimer::STOPWATCH;
    stopwatch.group_id = 0;
    model.add_timer(clock);
    model.add_timer(stopwatch);
    const std::vector<HiddenWindowEntry> hidden{{0x10010, 4242, L"notepad.exe",
                                                 L"Notes \"draft\" <1> & \u65e5\u672c",
                                                 show_command::MAXIMIZED}};
    const struct {
        void (*write)(const DataModel&, engine::config_element&);
        bool (*read)(const engine::config_element&, DataModel&);
        std::string golden;
    } cases[] = {
        {write_ignore_list, read_ignore_list,
         "<?xml version=\"1.0\" standalone=\"no\" ?>\n"
         "<settings>\n"
         "    <ignore_list>\n"
         "        <rule applies_to=\"0\" case_sensitive=\"false\" compare=\"4\" phrase=\"Start\" "
         "/>\n"
         "        <rule applies_to=\"0\" case_sensitive=\"true\" compare=\"1\" phrase='&lt;Caf\xE9 "
         "&amp; &quot;pad&quot;&gt; \xFF' />\n"
         "        <rule applies_to=\"1\" case_sensitive=\"false\" compare=\"3\" "
         "phrase=\"it&apos;s\" />\n"
         "    </ignore_list>\n"
         "</settings>\n"},
        {write_groups, read_groups,
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n"
         "<settings>\n"
         "    <groups>\n"
         "        <rule id=\"0\" name=\"Untitled Group\">\n"
         "            <pattern applies_to=\"0\" case_sensitive=\"false\" compare=\"4\" "
         "phrase=\"x\" />\n"
         "        </rule>\n"
         "        <rule id=\"3\" name=\"\xE4\xB8\xAD\xE6\x96\x87 &amp; &lt;friends&gt; "
         "\xF0\x9F\x98\x80\">\n"
         "            <pattern applies_to=\"0\" case_sensitive=\"false\" compare=\"2\" "
         "phrase=\"a\" />\n"
         "            <pattern applies_to=\"1\" case_sensitive=\"true\" compare=\"2\" "
         "phrase='\xC3\xA9t\xC3\xA9 &quot;b&quot;' />\n"
         "        </rule>\n"
         "    </groups>\n"
         "</settings>\n"},
        {write_hot_keys, read_hot_keys,
         "<?xml version=\"1.0\" standalone=\"no\" ?>\n"
         "<settings>\n"
         "    <hotkeys>\n"
         "        <rule action=\"0\" event_index=\"0\" group_id=\"-1\" key_code=\"1000\" "
         "mod_alt=\"false\" mod_ctrl=\"false\" mod_shift=\"false\" mod_win=\"false\" />\n"
         "        <rule action=\"0\" event_index=\"1\" group_id=\"-1\" key_code=\"1000\" "
         "mod_alt=\"false\" mod_ctrl=\"false\" mod_shift=\"false\" mod_win=\"false\" />\n"
         "        <rule action=\"0\" event_index=\"2\" group_id=\"-1\" key_code=\"1000\" "
         "mod_alt=\"false\" mod_ctrl=\"false\" mod_shift=\"false\" mod_win=\"false\" />\n"
         "        <rule action=\"0\" event_index=\"3\" group_id=\"-1\" key_code=\"1000\" "
         "mod_alt=\"false\" mod_ctrl=\"false\" mod_shift=\"false\" mod_win=\"false\" />\n"
         "        <rule action=\"0\" event_index=\"4\" group_id=\"-1\" key_code=\"112\" "
         "mod_alt=\"true\" mod_ctrl=\"false\" mod_shift=\"false\" mod_win=\"false\" />\n"
         "        <rule action=\"1\" event_index=\"-1\" group_id=\"3\" key_code=\"82\" "
         "mod_alt=\"false\" mod_ctrl=\"false\" mod_shift=\"false\" mod_win=\"true\" />\n"
         "    </hotkeys>\n"
         "</settings>\n"},
        {write_timers, read_timers,
         "<?xml version=\"1.0\" standalone=\"no\" ?>\n"
         "<settings>\n"
         "    <timers>\n"
         "        <rule duration_h=\"8\" duration_m=\"30\" duration_s=\"15\" enabled=\"true\" "
         "group_id=\"3\" start_h=\"9\" start_m=\"45\" start_s=\"0\" type=\"0\" />\n"
         "        <rule duration_h=\"8\" duration_m=\"30\" duration_s=\"15\" enabled=\"false\" "
         "group_id=\"0\" start_h=\"0\" start_m=\"0\" start_s=\"0\" type=\"1\" />\n"
         "    </timers>\n"
         "</settings>\n"},
    };
    for (const auto& c : cases) {
        ConfigFile file;
        file.root().add_child(L"leftover");
        c.write(model, file.root());
        EXPECT_EQ(file.to_document(), c.golden);

        DataModel loaded = c.read == read_groups ? DataModel() : model_with_groups({0, 3});
        ASSERT_TRUE(c.read(parsed(c.golden).root(), loaded)) << c.golden;
        ConfigFile again;
        c.write(loaded, again.root());
        EXPECT_EQ(again.to_document(), c.golden);
    }

    const std::string hidden_golden =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n"
        "<settings>\n"
        "    <hidden_windows>\n"
        "        <rule boot_time=\"1700000000\" hwnd=\"65552\" image_name=\"notepad.exe\" "
        "process_id=\"4242\" session_id=\"1\" show_cmd=\"3\" title='Notes &quot;draft&quot; "
        "&lt;1&gt; &amp; \xE6\x97\xA5\xE6\x9C\xAC' />\n"
        "    </hidden_windows>\n"
        "</settings>\n";
    ConfigFile file =
        parsed("<settings junk=\"1\"><hidden_windows><rule/></hidden_windows><other/></settings>");
    write_hidden_windows(hidden, LAYOUT_BOOT, file.root());
    EXPECT_EQ(file.to_document(), hidden_golden);
    std::vector<HiddenWindowEntry> read_back;
    EXPECT_TRUE(read_hidden_windows(parsed(hidden_golden).root(), LAYOUT_BOOT, read_back));
    EXPECT_EQ(read_back, hidden);
}

} // namespace
