#include "storage/data_folder.h"

#include "app/file_system.h"
#include "model/data_model.h"
#include "storage/log_tail.h"
#include "storage/temporary_data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string settings_document(const std::string& window, const std::string& options) {
    return "<?xml version=\"1.0\" standalone=\"no\" ?>\n<settings>\n    <window>\n" + window +
           "    </window>\n    <options " + options + " />\n</settings>\n";
}

// What a start-up logs for each list file, in the order the lists are loaded.
std::vector<std::wstring> list_load_lines(const std::wstring& folder,
                                          const std::vector<std::wstring>& outcomes) {
    const wchar_t* names[] = {L"ignore_list.xml", L"groups.xml", L"hotkeys.xml", L"timers.xml"};
    const wchar_t* successes[] = {
        L"Ignore list loaded successfully.", L"Group list loaded successfully.",
        L"Hot key list loaded successfully.", L"Timer list loaded successfully."};
    const wchar_t* failures[] = {L"Unable to load ignore list.", L"Unable to load group list.",
                                 L"Unable to load hot key list.", L"Unable to load timer list."};
    std::vector<std::wstring> lines;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::wstring path = join_path(folder, names[i]);
        if (outcomes[i] == L"missing")
            lines.insert(lines.end(), {L"Unable to load file: " + path + L".",
                                       L"Unable to load configuration: " + path, failures[i]});
        else if (!outcomes[i].empty())
            lines.push_back(outcomes[i]);
        if (outcomes[i] != L"missing")
            lines.push_back(successes[i]);
    }
    return lines;
}

TEST(DataFolderRuns, FirstRunStartsFromDefaultsAndLaterRunsLoadWhatWasSavedFillingGaps) {
    TemporaryDataFolder folder;
    // The data folder builds its paths with join_path, so they have forward slashes only.
    const std::wstring settings_path = join_path(folder.text(), L"settings.xml");
    ScreenSize screen{600, 700};
    const auto run = [&] { return DataFolder(folder.text(), [&] { return screen; }); };

    // First run: every file is missing; only the settings are written at once, sized for the
    // small screen.
    DataModel first;
    {
        DataFolder data = run();
        LogTail log;
        EXPECT_TRUE(data.load(first));
        std::vector<std::wstring> expected{L"Unable to load file: " + settings_path + L".",
                                           L"Unable to load configuration: " + settings_path,
                                           L"Settings loaded successfully."};
        const auto lists =
            list_load_lines(folder.text(), {L"missing", L"missing", L"missing", L"missing"});
        expected.insert(expected.end(), lists.begin(), lists.end());
        EXPECT_EQ(log.lines(), expected);
        for (const char* name : {"ignore_list.xml", "groups.xml", "hotkeys.xml", "timers.xml"})
            EXPECT_FALSE(folder.exists(name)) << name;
        EXPECT_EQ(folder.read("settings.xml"),
                  settings_document("        <position x=\"500\" y=\"200\" />\n"
                                    "        <size maximized=\"false\" x=\"480\" y=\"560\" />\n",
                                    "build_number=\"0\" check_updates=\"true\""));
        EXPECT_EQ(
            first.ignore_patterns(),
            (std::vector<Pattern>{{4, 0, L"Start", false}, {4, 0, L"Program Manager", false}}));
        std::vector<std::wstring> groups;
        for (int i = 0; i < first.group_count(); ++i)
            groups.push_back(std::to_wstring(first.group(i).id()) + L" " + first.group(i).name() +
                             L" " + first.group(i).pattern(0).describe());
        EXPECT_EQ(groups, (std::vector<std::wstring>{
                              L"0 Web Browsers Window titles that contain \"chrome\"",
                              L"1 Graphics Programs Window titles that contain \"paint\"",
                              L"2 Media Players Window titles that contain \"winamp\"",
                              L"3 Explorer Windows Image names that contain \"explorer.exe\""}));
        first.add_hot_key(HotKey{.group_id = 2, .key_code = 77});
        first.add_timer(VisibilityTimer{.group_id = 3, .duration_m = 5});
        data.settings().set_size_x(999);
        data.settings().set_maximized(true);
        data.save(first);
    }

    // Second run: everything comes back as saved.
    {
        DataFolder data = run();
        DataModel second;
        LogTail log;
        EXPECT_TRUE(data.load(second));
        std::vector<std::wstring> expected{L"Settings loaded successfully."};
        const auto lists = list_load_lines(folder.text(), {L"", L"", L"", L""});
        expected.insert(expected.end(), lists.begin(), lists.end());
        EXPECT_EQ(log.lines(), expected);
        EXPECT_EQ(second.ignore_patterns(), first.ignore_patterns());
        ASSERT_EQ(second.group_count(), first.group_count());
        for (int i = 0; i < first.group_count(); ++i)
            EXPECT_EQ(second.group(i), first.group(i));
        ASSERT_EQ(second.hot_key_count(), 1);
        EXPECT_EQ(second.hot_key(0).key_code, 77u);
        ASSERT_EQ(second.timer_count(), 1);
        EXPECT_EQ(second.timer(0).duration_m, 5);
        EXPECT_EQ(std::tuple(data.settings().size_x(), data.settings().size_y(),
                             data.settings().maximized()),
                  std::tuple(999, 560, true));
    }

    // Third run: the groups file is gone, so hot keys keep only references to default groups;
    // a settings file with gaps keeps what it has, options included, and gets the rest.
    std::filesystem::remove(folder.path() / "groups.xml");
    folder.write(
        "hotkeys.xml",
        "<settings><hotkeys><rule key_code=\"65\" group_id=\"3\" event_index=\"-1\" "
        "action=\"0\" mod_ctrl=\"1\" mod_alt=\"0\" mod_shift=\"0\" mod_win=\"0\"/>"
        "<rule key_code=\"66\" group_id=\"4\" event_index=\"-1\" action=\"0\" "
        "mod_ctrl=\"1\" mod_alt=\"0\" mod_shift=\"0\" mod_win=\"0\"/></hotkeys></settings>");
    folder.write("settings.xml",
                 "<config><window><position x=\"3000\" y=\"-20\"/><size x=\"1000\"/></window>"
                 "<options check_updates=\"false\"/></config>");
    screen = {1920, 1080};
    {
        DataFolder data = run();
        DataModel third;
        LogTail log;
        EXPECT_TRUE(data.load(third));
        std::vector<std::wstring> expected{L"Settings loaded successfully."};
        const auto lists = list_load_lines(
            folder.text(),
            {L"", L"missing", L"Hotkey loaded, but removed due to invalid group assocation.", L""});
        expected.insert(expected.end(), lists.begin(), lists.end());
        EXPECT_EQ(log.lines(), expected);
        ASSERT_EQ(third.hot_key_count(), 1);
        EXPECT_EQ(third.hot_key(0).group_id, 3);
        EXPECT_EQ(std::tuple(data.settings().position_x(), data.settings().position_y(),
                             data.settings().check_updates()),
                  std::tuple(3000, -20, false));
        data.save(third);
        EXPECT_EQ(folder.read("settings.xml"),
                  settings_document("        <position x=\"3000\" y=\"-20\" />\n"
                                    "        <size maximized=\"false\" x=\"1000\" y=\"800\" />\n",
                                    "build_number=\"0\" check_updates=\"false\""));
    }

    // A broken settings file is replaced at once by the defaults, options included.
    folder.write("settings.xml", "<settings><options check_updates=\"false\">");
    {
        DataFolder data = run();
        DataModel fourth;
        LogTail log;
        EXPECT_TRUE(data.load(fourth));
        EXPECT_EQ(log.lines().at(0), L"Unable to load configuration: " + settings_path);
        EXPECT_EQ(log.lines().at(1), L"Settings loaded successfully.");
        EXPECT_EQ(folder.read("settings.xml"),
                  settings_document("        <position x=\"500\" y=\"200\" />\n"
                                    "        <size maximized=\"false\" x=\"640\" y=\"800\" />\n",
                                    "build_number=\"0\" check_updates=\"true\""));
    }
}

TEST(DataFolderRuns, SmallScreensGetFourFifthsOfTheirSizeButNotLessThanFourHundred) {
    const std::pair<ScreenSize, ScreenSize> cases[] = {{{600, 700}, {480, 560}},
                                                       {{450, 450}, {400, 400}},
                                                       {{499, 1000}, {400, 800}},
                                                       {{640, 800}, {640, 800}}};
    for (const auto& [screen, expected] : cases) {
        const ScreenSize size = Settings([screen] { return screen; }).default_size();
        EXPECT_EQ(std::pair(size.width, size.height), std::pair(expected.width, expected.height))
            << screen.width;
    }
}

TEST(DataFolderRuns, UnwritableFolderKeepsDefaultsInMemoryAndReportsEachSaveInExitOrder) {
    TemporaryDataFolder folder;
    const std::wstring missing = join_path(folder.text(), L"gone");
    DataFolder data(missing, [] { return ScreenSize{1920, 1080}; });
    DataModel model;
    LogTail load_log;
    EXPECT_FALSE(data.load(model));
    const std::wstring settings_path = join_path(missing, L"settings.xml");
    std::vector<std::wstring> expected{L"Unable to load file: " + settings_path + L".",
                                       L"Unable to load configuration: " + settings_path,
                                       L"Unable to save configuration: " + settings_path + L".",
                                       L"Settings could not be loaded."};
    const auto lists = list_load_lines(missing, {L"missing", L"missing", L"missing", L"missing"});
    expected.insert(expected.end(), lists.begin(), lists.end());
    EXPECT_EQ(load_log.lines(), expected);
    EXPECT_EQ(std::tuple(data.settings().position_x(), data.settings().size_y(),
                         data.settings().check_updates()),
              std::tuple(500, 800, true));
    EXPECT_EQ(model.group_count(), 4);

    LogTail save_log;
    data.save(model);
    expected.clear();
    for (const wchar_t* name :
         {L"ignore_list.xml", L"hotkeys.xml", L"timers.xml", L"groups.xml", L"settings.xml"})
        expected.push_back(L"Unable to save configuration: " + join_path(missing, name) + L".");
    EXPECT_EQ(save_log.lines(), expected);
}

} // namespace
