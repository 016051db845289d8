#include "storage/hot_key_file.h"

#include "model/data_model.h"
#include "model/model_with_groups.h"
#include "storage/log_tail.h"
#include "storage/parsed_document.h"

#include <gtest/gtest.h>

namespace {

std::string rule(int event_index, int key_code, int group_id, const std::string& extra = "") {
    return "<rule event_index=\"" + std::to_string(event_index) + "\" key_code=\"" +
           std::to_string(key_code) + "\" action=\"2\" mod_ctrl=\"true\" mod_alt=\"false\" " +
           "mod_shift=\"1\" mod_win=\"FALSE\" group_id=\"" + std::to_string(group_id) + "\" " +
           extra + "/>";
}

ConfigFile hot_keys_file(const std::string& rules) {
    return parsed("<settings><hotkeys>" + rules + "</hotkeys></settings>");
}

HotKey without_id(HotKey hot_key) {
    hot_key.id = 0;
    return hot_key;
}

TEST(HotKeyFileLoad, RulesGoWhereTheirIndexSaysWithFreshIdsAndFaultyOnesAreSkipped) {
    DataModel model = model_with_groups({5});
    LogTail log;
    EXPECT_TRUE(read_hot_keys(hot_keys_file(rule(-1, 65, 5, "id=\"4\"") + rule(3, 70, -1) +
                                            rule(3, 66, -1) + rule(7, 67, 5) + rule(-2, 67, 5) +
                                            rule(-1, 67, 9) +
                                            "<rule event_index=\"-1\" key_code=\"67\" "
                                            "action=\"0\" mod_ctrl=\"true\" mod_alt=\"false\" "
                                            "mod_shift=\"false\" group_id=\"5\"/>")
                                  .root(),
                              model));
    ASSERT_EQ(model.hot_key_count(), 1);
    EXPECT_EQ(without_id(model.hot_key(0)), (HotKey{.id = 0,
                                                    .action = 2,
                                                    .group_id = 5,
                                                    .mod_ctrl = true,
                                                    .mod_shift = true,
                                                    .key_code = 65}));
    EXPECT_NE(model.hot_key(0).id, 4u);
    EXPECT_EQ(model.event_hot_key(3).key_code, 66u);
    EXPECT_EQ(model.event_hot_key(2).key_code, UNSPECIFIED_KEY);
    EXPECT_EQ(log.lines(),
              (std::vector<std::wstring>{L"Hotkey loaded, but removed due to invalid group "
                                         L"assocation.",
                                         L"Unable to load hot key, missing or invalid data."}));

    LogTail missing_list;
    EXPECT_FALSE(read_hot_keys(parsed("<settings/>").root(), model));
    EXPECT_EQ(missing_list.lines(),
              std::vector<std::wstring>{L"Unable to load hot keys, invalid data file."});
}

TEST(HotKeyFileSave, WritesTheFiveSlotsBeforeTheGroupHotKeysAndReadsThemBack) {
    DataModel model = model_with_groups({1, 2});
    model.set_event_hot_key(EVENT_HIDE_ALL_WINDOWS, HotKey{.mod_alt = true, .key_code = 112});
    for (int group_id : {2, 1}) {
        model.add_hot_key(HotKey{.action = HotKey::SHOW_ONLY,
                                 .group_id = group_id,
                                 .mod_win = true,
                                 .key_code = 80 + static_cast<std::uint32_t>(group_id)});
    }
    ConfigFile file;
    write_hot_keys(model, file.root());
    const std::vector<const engine::config_element*> rules =
        file.root().find_child(L"hotkeys")->children_named(L"rule");
    ASSERT_EQ(rules.size(), 7u);
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(rules[slot]->find_property(L"event_index")->get_int(), slot);
    EXPECT_NE(
        file.to_document().find("        <rule action=\"1\" event_index=\"-1\" group_id=\"2\" "
                                "key_code=\"82\" mod_alt=\"false\" mod_ctrl=\"false\" "
                                "mod_shift=\"false\" mod_win=\"true\" />\n"),
        std::string::npos);

    DataModel loaded = model_with_groups({1, 2});
    EXPECT_TRUE(read_hot_keys(parsed(file.to_document()).root(), loaded));
    ASSERT_EQ(loaded.hot_key_count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(without_id(loaded.hot_key(i)), without_id(model.hot_key(i)));
    for (int slot = 0; slot < EVENT_COUNT; ++slot)
        EXPECT_EQ(without_id(loaded.event_hot_key(slot)), without_id(model.event_hot_key(slot)));
}

} // namespace
