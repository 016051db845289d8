#include "storage/data_folder.h"

#include "app/file_system.h"
#include "model/data_model.h"
#include "storage/log_tail.h"
#include "storage/temporary_data_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::wstring wide(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

bool logged(const std::vector<std::wstring>& lines, const std::wstring& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class DataFolderRun : public ::testing::Test {
protected:
    // The data folder builds its paths with join_path, so they have forward slashes only.
    std::wstring file(const std::string& name) const {
        return join_path(folder_.text(), wide(name));
    }
    DataFolder data_folder() const {
        return DataFolder(folder_.text(), [] { return ScreenSize{1920, 1080}; });
    }

    TemporaryDataFolder folder_;
};

TEST_F(DataFolderRun, FirstRunLogsEveryFileInOrderAndCreatesOnlySettings) {
    DataFolder data = data_folder();
    DataModel model;
    LogTail log;
    EXPECT_TRUE(data.load(model));

    std::vector<std::wstring> expected;
    const std::pair<std::string, const wchar_t*> files[] = {
        {"settings.xml", L"Settings loaded successfully."},
        {"ignore_list.xml", L"Unable to load ignore list."},
        {"groups.xml", L"Unable to load group list."},
        {"hotkeys.xml", L"Unable to load hot key list."},
        {"timers.xml", L"Unable to load timer list."}};
    for (const auto& [name, outcome] : files) {
        expected.push_back(L"Unable to load file: " + file(name) + L".");
        expected.push_back(L"Unable to load configuration: " + file(name));
        expected.push_back(outcome);
        EXPECT_EQ(folder_.exists(name), name == "settings.xml") << name;
    }
    EXPECT_EQ(log.lines(), expected);
    EXPECT_EQ(model.ignore_count(), 2);
    EXPECT_EQ(model.group_count(), 4);
}

TEST_F(DataFolderRun, SecondRunLoadsWhatTheFirstSaved) {
    DataModel first;
    {
        DataFolder data = data_folder();
        data.load(first);
        first.add_hot_key(HotKey{.group_id = 2, .key_code = 77});
        first.add_timer(VisibilityTimer{.group_id = 3, .duration_m = 5});
        data.settings().set_size_x(999);
        data.save(first);
    }
    DataFolder data = data_folder();
    DataModel second;
    LogTail log;
    EXPECT_TRUE(data.load(second));
    EXPECT_EQ(log.lines(), (std::vector<std::wstring>{L"Settings loaded successfully.",
                                                      L"Ignore list loaded successfully.",
                                                      L"Group list loaded successfully.",
                                                      L"Hot key list loaded successfully.",
                                                      L"Timer list loaded successfully."}));
    EXPECT_EQ(second.ignore_patterns(), first.ignore_patterns());
    ASSERT_EQ(second.group_count(), first.group_count());
    for (int i = 0; i < first.group_count(); ++i)
        EXPECT_EQ(second.group(i), first.group(i));
    ASSERT_EQ(second.hot_key_count(), 1);
    EXPECT_EQ(second.hot_key(0).key_code, 77u);
    ASSERT_EQ(second.timer_count(), 1);
    EXPECT_EQ(second.timer(0).duration_m, 5);
    EXPECT_EQ(data.settings().size_x(), 999);
}

TEST_F(DataFolderRun, WithoutGroupsFileHotKeysKeepOnlyDefaultGroupReferences) {
    const std::string keys = "action=\"0\" mod_ctrl=\"true\" mod_alt=\"false\" "
                             "mod_shift=\"false\" mod_win=\"false\" event_index=\"-1\"";
    folder_.write("hotkeys.xml", "<settings><hotkeys><rule key_code=\"65\" group_id=\"3\" " + keys +
                                     "/><rule key_code=\"66\" group_id=\"4\" " + keys +
                                     "/></hotkeys></settings>");
    DataFolder data = data_folder();
    DataModel model;
    LogTail log;
    data.load(model);
    ASSERT_EQ(model.hot_key_count(), 1);
    EXPECT_EQ(model.hot_key(0).group_id, 3);
    EXPECT_TRUE(
        logged(log.lines(), L"Hotkey loaded, but removed due to invalid group assocation."));
}

TEST_F(DataFolderRun, HostileFilesFailToLoadAndDefaultsApply) {
    std::string deep;
    for (int i = 0; i < 200000; ++i)
        deep += "<settings>";
    folder_.write("settings.xml", std::string("\x00\xFF\xFE garbage", 11));
    folder_.write("ignore_list.xml", deep);
    folder_.write("groups.xml", "<settings><groups><rule id=\"1\" name=\"" +
                                    std::string(100000, 'n') + "\"><pattern phrase=");
    folder_.write("hotkeys.xml", "");
    folder_.write("timers.xml", "<settings><timers/></settings" + std::string(50000, '>'));
    DataFolder data = data_folder();
    DataModel model;
    LogTail log;
    EXPECT_TRUE(data.load(model));
    for (const wchar_t* outcome :
         {L"Settings loaded successfully.", L"Unable to load ignore list.",
          L"Unable to load group list.", L"Unable to load hot key list."}) {
        EXPECT_TRUE(logged(log.lines(), outcome)) << outcome;
    }
    EXPECT_EQ(model.ignore_count(), 2);
    EXPECT_EQ(model.group_count(), 4);
    EXPECT_TRUE(data.settings().check_updates());
}

TEST_F(DataFolderRun, UnwritableFolderReportsSettingsAndSavesInExitOrder) {
    const std::wstring missing = folder_.text() + L"/gone";
    DataFolder data(missing, [] { return ScreenSize{1920, 1080}; });
    DataModel model;
    LogTail load_log;
    EXPECT_FALSE(data.load(model));
    EXPECT_TRUE(logged(load_log.lines(), L"Settings could not be loaded."));

    LogTail save_log;
    data.save(model);
    std::vector<std::wstring> expected;
    for (const char* name :
         {"ignore_list.xml", "hotkeys.xml", "timers.xml", "groups.xml", "settings.xml"}) {
        expected.push_back(L"Unable to save configuration: " + join_path(missing, wide(name)) +
                           L".");
    }
    EXPECT_EQ(save_log.lines(), expected);
}

} // namespace
