#include "storage/data_folder.h"

#include "app/file_system.h"
#include "model/data_model.h"
#include "storage/group_file.h"
#include "storage/ignore_list_file.h"
#include "storage/log_tail.h"
#include "storage/temporary_data_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

ScreenSizeSource full_hd() {
    return [] { return ScreenSize{1920, 1080}; };
}

const char* const LIST_FILES[] = {"ignore_list.xml", "hotkeys.xml", "timers.xml", "groups.xml"};

class DataFolderRun : public ::testing::Test {
protected:
    // The data folder builds its paths with join_path, so they have forward slashes only.
    std::wstring file(const char* name) const {
        return join_path(folder_.text(), std::wstring(name, name + std::strlen(name)));
    }

    std::vector<std::wstring> missing_file_lines(const char* name) const {
        return {L"Unable to load file: " + file(name) + L".",
                L"Unable to load configuration: " + file(name)};
    }

    TemporaryDataFolder folder_;
};

TEST_F(DataFolderRun, BuildsTheLogPathInTheFolder) {
    EXPECT_EQ(DataFolder(folder_.text() + L"/", full_hd()).log_path(), file("log.xml"));
}

TEST_F(DataFolderRun, FirstRunLogsEveryFileInOrderAndCreatesOnlySettings) {
    DataFolder data(folder_.text(), full_hd());
    DataModel model;
    LogTail log;
    EXPECT_TRUE(data.load(model));

    std::vector<std::wstring> expected = missing_file_lines("settings.xml");
    expected.push_back(L"Settings loaded successfully.");
    const std::pair<const char*, const wchar_t*> lists[] = {
        {"ignore_list.xml", L"Unable to load ignore list."},
        {"groups.xml", L"Unable to load group list."},
        {"hotkeys.xml", L"Unable to load hot key list."},
        {"timers.xml", L"Unable to load timer list."}};
    for (const auto& [name, outcome] : lists) {
        for (const std::wstring& line : missing_file_lines(name))
            expected.push_back(line);
        expected.push_back(outcome);
    }
    EXPECT_EQ(log.lines(), expected);

    EXPECT_TRUE(folder_.exists("settings.xml"));
    for (const char* name : LIST_FILES)
        EXPECT_FALSE(folder_.exists(name)) << name;
    EXPECT_EQ(model.ignore_count(), 2);
    EXPECT_EQ(model.group_count(), 4);
    EXPECT_EQ(model.hot_key_count(), 0);
    EXPECT_EQ(model.timer_count(), 0);
}

TEST_F(DataFolderRun, SecondRunLoadsWhatTheFirstSaved) {
    DataModel first;
    {
        DataFolder data(folder_.text(), full_hd());
        data.load(first);
        HotKey hot_key;
        hot_key.group_id = 2;
        hot_key.key_code = 77;
        first.add_hot_key(hot_key);
        VisibilityTimer timer;
        timer.group_id = 3;
        timer.duration_m = 5;
        first.add_timer(timer);
        data.settings().set_size_x(999);
        data.save(first);
    }
    for (const char* name : LIST_FILES)
        EXPECT_TRUE(folder_.exists(name)) << name;

    DataFolder data(folder_.text(), full_hd());
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

TEST_F(DataFolderRun, WithoutGroupsFileHotKeysAndTimersKeepOnlyDefaultGroupReferences) {
    folder_.write("hotkeys.xml",
                  "<settings><hotkeys>"
                  "<rule event_index=\"-1\" key_code=\"65\" action=\"0\" mod_ctrl=\"true\" "
                  "mod_alt=\"false\" mod_shift=\"false\" mod_win=\"false\" group_id=\"3\"/>"
                  "<rule event_index=\"-1\" key_code=\"66\" action=\"0\" mod_ctrl=\"true\" "
                  "mod_alt=\"false\" mod_shift=\"false\" mod_win=\"false\" group_id=\"4\"/>"
                  "</hotkeys></settings>");
    folder_.write("timers.xml",
                  "<settings><timers>"
                  "<rule enabled=\"true\" type=\"0\" start_h=\"1\" start_m=\"0\" start_s=\"0\" "
                  "duration_h=\"1\" duration_m=\"0\" duration_s=\"0\" group_id=\"12\"/>"
                  "</timers></settings>");
    DataFolder data(folder_.text(), full_hd());
    DataModel model;
    LogTail log;
    data.load(model);
    ASSERT_EQ(model.hot_key_count(), 1);
    EXPECT_EQ(model.hot_key(0).group_id, 3);
    EXPECT_EQ(model.timer_count(), 0);
    const auto lines = log.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         L"Hotkey loaded, but removed due to invalid group assocation."),
              1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         L"Timer loaded, but removed due to invalid group assocation."),
              1);
    EXPECT_EQ(lines.back(), L"Timer list loaded successfully.");
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
    DataFolder data(folder_.text(), full_hd());
    DataModel model;
    LogTail log;
    EXPECT_TRUE(data.load(model));
    const auto lines = log.lines();
    for (const wchar_t* outcome :
         {L"Settings loaded successfully.", L"Unable to load ignore list.",
          L"Unable to load group list.", L"Unable to load hot key list."}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), outcome), lines.end()) << outcome;
    }
    EXPECT_EQ(model.ignore_count(), 2);
    EXPECT_EQ(model.group_count(), 4);
    EXPECT_TRUE(data.settings().check_updates());
}

TEST_F(DataFolderRun, MissingListElementsFallBackToDefaults) {
    folder_.write("ignore_list.xml", "<settings><groups/></settings>");
    folder_.write("groups.xml", "<settings><ignore_list/></settings>");
    DataFolder data(folder_.text(), full_hd());
    DataModel model;
    LogTail log;
    data.load(model);
    const auto lines = log.lines();
    const auto ignore_line = std::find(lines.begin(), lines.end(),
                                       L"Unable to load ignore patterns, invalid data file.");
    ASSERT_NE(ignore_line, lines.end());
    EXPECT_EQ(*(ignore_line + 1), L"Unable to load ignore list.");
    const auto groups_line =
        std::find(lines.begin(), lines.end(), L"Unable to load groups, invalid data file.");
    ASSERT_NE(groups_line, lines.end());
    EXPECT_EQ(*(groups_line + 1), L"Unable to load group list.");
    EXPECT_EQ(model.ignore_count(), 2);
    EXPECT_EQ(model.group_count(), 4);
}

TEST_F(DataFolderRun, UnwritableFolderReportsSettingsAndSavesInExitOrder) {
    const std::wstring missing = folder_.text() + L"/gone";
    DataFolder data(missing, full_hd());
    DataModel model;
    LogTail load_log;
    EXPECT_FALSE(data.load(model));
    const auto load_lines = load_log.lines();
    EXPECT_EQ(load_lines[3], L"Settings could not be loaded.");

    LogTail save_log;
    data.save(model);
    std::vector<std::wstring> expected;
    for (const char* name :
         {"ignore_list.xml", "hotkeys.xml", "timers.xml", "groups.xml", "settings.xml"}) {
        expected.push_back(L"Unable to save configuration: " +
                           join_path(missing, std::wstring(name, name + std::strlen(name))) + L".");
    }
    EXPECT_EQ(save_log.lines(), expected);
}

} // namespace
