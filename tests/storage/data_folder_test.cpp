#include "storage/data_folder.h"

#include "app/file_system.h"
#include "model/data_model.h"
#include "storage/log_tail.h"
#include "storage/temporary_data_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

const std::string SINGLE_BYTE = "<?xml version=\"1.0\" standalone=\"no\" ?>\n";

// A list file as written, its rules indented under the list one a line.
std::string list_file(const std::string& declaration, const std::string& list,
                      const std::vector<std::string>& lines) {
    std::string text = declaration + "<settings>\n    <" + list + ">\n";
    for (const std::string& line : lines)
        text += "        " + line + "\n";
    return text + "    </" + list + ">\n</settings>\n";
}

std::string settings_file(int x, int y, bool maximized, int width, int height, bool updates) {
    const auto text = [](auto value) { return "\"" + std::to_string(value) + "\""; };
    const auto flag = [](bool value) { return value ? std::string("\"true\"") : "\"false\""; };
    return SINGLE_BYTE + "<settings>\n    <window>\n        <position x=" + text(x) +
           " y=" + text(y) + " />\n        <size maximized=" + flag(maximized) +
           " x=" + text(width) + " y=" + text(height) +
           " />\n    </window>\n    <options build_number=\"0\" check_updates=" + flag(updates) +
           " />\n</settings>\n";
}

// What a start-up that reads every file logs, in the order of loading.
const std::vector<std::wstring> LOADED{
    L"Settings loaded successfully.", L"Ignore list loaded successfully.",
    L"Group list loaded successfully.", L"Hot key list loaded successfully.",
    L"Timer list loaded successfully."};

// Ignore phrases, groups by id, the groups of hot keys and timers (a "+" for an active timer).
std::wstring bound(const DataModel& model) {
    std::wstring text = L"ignore";
    for (const Pattern& pattern : model.ignore_patterns())
        text += L" " + pattern.phrase;
    text += L"; groups";
    for (int i = 0; i < model.group_count(); ++i)
        text += L" " + std::to_wstring(model.group(i).id()) + L"=" + model.group(i).name();
    text += L"; keys";
    for (int i = 0; i < model.hot_key_count(); ++i)
        text += L" g" + std::to_wstring(model.hot_key(i).group_id);
    text += L"; timers";
    for (int i = 0; i < model.timer_count(); ++i)
        text += L" g" + std::to_wstring(model.timer(i).group_id) +
                (model.timer(i).enabled ? L"+" : L"");
    return text;
}

TEST(DataFolderRuns, FirstRunStartsFromDefaultsAndEachLaterRunLoadsWhatThePreviousSaved) {
    TemporaryDataFolder folder;
    // The data folder builds its paths with join_path, so they have forward slashes only.
    const std::wstring root = folder.text();
    ScreenSize screen{600, 700};
    const auto run = [&] { return DataFolder(root, [&] { return screen; }); };

    // First run: the defaults apply, and the settings are written at once, sized for the small
    // screen.
    DataModel model;
    DataFolder first = run();
    EXPECT_TRUE(first.load(model));
    EXPECT_EQ(folder.read("settings.xml"), settings_file(500, 200, false, 480, 560, true));
    EXPECT_EQ(bound(model), L"ignore Start Program Manager; groups 0=Web Browsers 1=Graphics "
                            L"Programs 2=Media Players 3=Explorer Windows; keys; timers");

    // The user's lists are written byte for byte, the text deciding each file's encoding.
    model.remove_ignore_pattern(1);
    model.add_ignore_pattern({1, 1, L"<Caf\u00e9 & \"pad\"> it's \u00ff", true});
    Group group(3);
    group.set_name(L"\u4e2d\u6587 & <friends>");
    group.add_pattern({Pattern::CONTAINS, Pattern::IMAGE_NAME, L"\u00e9t\u00e9", true});
    model.clear_groups();
    model.add_group(group);
    model.set_event_hot_key(EVENT_HIDE_ALL_WINDOWS, HotKey{.mod_alt = true, .key_code = 112});
    model.add_hot_key(
        HotKey{.action = HotKey::SHOW_ONLY, .group_id = 3, .mod_win = true, .key_code = 82});
    VisibilityTimer clock{
        .group_id = 3, .enabled = true, .start_h = 9, .start_m = 45, .duration_h = 8};
    model.add_timer(clock);
    clock.type = VisibilityTimer::STOPWATCH;
    model.add_timer(clock);
    first.settings().set_maximized(true);
    first.save(model);
    // clang-format off
    const std::pair<const char*, std::string> saved[] = {
        {"ignore_list.xml", list_file(SINGLE_BYTE, "ignore_list", {
            "<rule applies_to=\"0\" case_sensitive=\"false\" compare=\"4\" phrase=\"Start\" />",
            "<rule applies_to=\"1\" case_sensitive=\"true\" compare=\"1\" phrase='&lt;Caf\xE9 &amp; &quot;pad&quot;&gt; it&apos;s \xFF' />"})},
        {"groups.xml", list_file("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n", "groups", {
            "<rule id=\"3\" name=\"\xE4\xB8\xAD\xE6\x96\x87 &amp; &lt;friends&gt;\">",
            "    <pattern applies_to=\"1\" case_sensitive=\"true\" compare=\"2\" phrase=\"\xC3\xA9t\xC3\xA9\" />", "</rule>"})},
        {"settings.xml", settings_file(500, 200, true, 480, 560, true)}};
    // clang-format on
    for (const auto& [name, bytes] : saved)
        EXPECT_EQ(folder.read(name), bytes) << name;
    // Only the stopwatch is off, written inactive although the user had it running.
    EXPECT_NE(folder.read("timers.xml").find("enabled=\"false\""), std::string::npos);

    // Second run: everything loads as it was, and saved again each file comes out the same.
    DataModel second;
    LogTail second_log;
    run().load(second);
    EXPECT_EQ(second_log.lines(), LOADED);
    const auto same = [](auto loaded, const auto& kept) {
        return loaded.id = kept.id, loaded == kept;
    };
    EXPECT_TRUE(same(second.event_hot_key(EVENT_HIDE_ALL_WINDOWS),
                     model.event_hot_key(EVENT_HIDE_ALL_WINDOWS)) &&
                same(second.hot_key(0), model.hot_key(0)) && same(second.timer(0), model.timer(0)));
    run().save(second);
    for (const auto& [name, bytes] : saved)
        EXPECT_EQ(folder.read(name), bytes) << name;

    // Third run: a missing groups file is no damaged one: the defaults take the first ids and
    // keep the hot key of group 3. A settings file with gaps keeps what it has, options too.
    std::filesystem::remove(folder.path() / "groups.xml");
    folder.write("settings.xml", "<config><window><position x='3000' y='-20'/><size x='1000'/>"
                                 "</window><options check_updates='false'/></config>");
    screen = {1920, 1080};
    DataFolder third = run();
    DataModel loaded;
    LogTail third_log;
    EXPECT_TRUE(third.load(loaded));
    EXPECT_EQ(third_log.lines().at(4), L"Unable to load group list.");
    EXPECT_EQ(std::pair(loaded.hot_key_count(), loaded.hot_key(0).group_id), std::pair(1, 3));
    third.save(loaded);
    EXPECT_EQ(folder.read("settings.xml"), settings_file(3000, -20, false, 1000, 800, false));

    // A broken settings file is replaced at once by the defaults, options included; small screens
    // get four fifths of their size, but not less than 400 pixels.
    folder.write("settings.xml", "<settings><options check_updates='false'>");
    screen = {450, 1000};
    run().load(loaded);
    EXPECT_EQ(folder.read("settings.xml"), settings_file(500, 200, false, 400, 800, true));

    // Without its folder nothing loads or saves, and each list's save says so, in the order of
    // exit; the settings, refused at start-up, say so again only after a save has succeeded.
    std::filesystem::remove_all(folder.path());
    DataFolder last = run();
    LogTail last_log;
    EXPECT_FALSE(last.load(loaded));
    EXPECT_EQ(last_log.lines().at(3), L"Settings could not be loaded.");
    last.save(loaded);
    std::vector<std::wstring> saves;
    for (const wchar_t* name : {L"ignore_list", L"hotkeys", L"timers", L"groups"})
        saves.push_back(L"Unable to save configuration: " + join_path(root, name) + L".xml.");
    auto lines = last_log.lines();
    EXPECT_EQ(std::vector<std::wstring>(lines.end() - 4, lines.end()), saves);
    std::filesystem::create_directory(folder.path());
    EXPECT_TRUE(last.settings().save());
    std::filesystem::remove_all(folder.path());
    EXPECT_FALSE(last.settings().save() || last.settings().save());
    lines = last_log.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         L"Unable to save configuration: " + join_path(root, L"settings.xml.")),
              2);
}

std::string rules(const std::string& list, const std::string& rule, int last_group) {
    std::string text = "<settings><" + list + ">";
    for (int group = 0; group <= last_group; ++group)
        text += "<rule group_id='" + std::to_string(group) + "' " + rule + "/>";
    return text + "</" + list + "></settings>";
}

// A damaged file is set aside byte for byte before a new one is written, and only once; while the
// groups cannot be read, hot keys and timers stay as read, bound to no group, and their files are
// not written unless they change. Unusual encodings load, and an exit writes no unchanged list.
TEST(DataFolderRuns, DamagedFilesAreSetAsideOnceAndUnusualOnesLoadAndStayAsTheyAre) {
    TemporaryDataFolder folder;
    const std::wstring root = folder.text();
    const std::string key = "event_index='-1' key_code='65' action='0' mod_ctrl='1' mod_alt='0' "
                            "mod_shift='0' mod_win='0'",
                      timer = "enabled='true' type='0' start_h='9' start_m='0' start_s='0' "
                              "duration_h='1' duration_m='0' duration_s='0'";
    const std::string group = "<rule id='0' name='Caf\xE9 \xC3\xA9t\xC3\xA9'><pattern phrase='p' "
                              "compare='2' applies_to='0' case_sensitive='0'/></rule>";
    const std::string keys = rules("hotkeys", key, 5);
    // "Caf\u00e9" in the ignore list, as Notepad saves "Unicode".
    std::string notepad_unicode = "\xFF\xFE";
    for (const char byte : std::string("<s><ignore_list><rule phrase='Caf\xE9' compare='4' "
                                       "applies_to='0' case_sensitive='0'/></ignore_list></s>"))
        notepad_unicode += {byte, '\0'};
    const std::wstring defaults =
        L"6=Web Browsers 7=Graphics Programs 8=Media Players 9=Explorer Windows";
    // clang-format off
    const struct {
        std::vector<std::pair<std::string, std::string>> files;
        std::vector<std::string> set_aside;
        std::wstring bound;
    } runs[] = {
        {{{"ignore_list.xml", notepad_unicode},
          {"groups.xml", "<?xml version='1.0' encoding='UTF-8'?><settings><groups>" + group + "</groups></settings>"},
          {"hotkeys.xml", rules("hotkeys", key, 0)}, {"timers.xml", rules("timers", timer, 0)}},
         {}, L"ignore Caf\u00e9; groups 0=Caf\u00e9 \u00e9t\u00e9; keys g0; timers g0+"},
        {{{"groups.xml", "<settings><grups>" + group + "</grups></settings>"}, {"hotkeys.xml", keys},
          {"timers.xml", rules("timers", timer, 5)}},
         {"groups.xml.unreadable"}, L"ignore Caf\u00e9; groups " + defaults + L"; keys; timers"},
        {{{"timers.xml", "<settings><timers><rule enabled='tr"}, {"settings.xml", "<settings><window>"}},
         {"settings.xml.unreadable", "timers.xml.unreadable"}, L"ignore Caf\u00e9; groups " + defaults + L"; keys; timers"},
        {{}, {}, L"ignore Caf\u00e9; groups " + defaults + L"; keys; timers"},
        {{{"groups.xml", "<settings><grups/></settings>"}, {"hotkeys.xml", keys}},
         {"groups.xml.unreadable.2"}, L"ignore Caf\u00e9; groups " + defaults + L"; keys; timers"}};
    // clang-format on
    for (const auto& run : runs) {
        SCOPED_TRACE(run.bound);
        for (const auto& [name, bytes] : run.files)
            folder.write(name, bytes);
        DataFolder files(root, [] { return ScreenSize{1920, 1080}; });
        DataModel model;
        files.load(model);
        EXPECT_EQ(bound(model), run.bound);
        std::vector<std::wstring> set_aside;
        const std::map<std::string, std::string> stored(run.files.begin(), run.files.end());
        for (const std::string& name : run.set_aside) {
            set_aside.push_back(join_path(root, std::wstring(name.begin(), name.end())));
            EXPECT_EQ(folder.read(name), stored.at(name.substr(0, name.find(".unreadable"))));
        }
        EXPECT_EQ(files.set_aside_copies(), set_aside);
        std::map<std::string, std::string> before;
        for (const char* name : {"ignore_list.xml", "groups.xml", "hotkeys.xml", "timers.xml"})
            before[name] = folder.read(name);
        files.save(model);
        for (const auto& [name, bytes] : before)
            EXPECT_EQ(folder.read(name), bytes) << name;
        // A change while the groups are unreadable writes the hot keys kept as read with it.
        if (run.set_aside == std::vector<std::string>{"groups.xml.unreadable.2"}) {
            model.add_hot_key(HotKey{.group_id = 6, .key_code = 66});
            files.save_changes(model);
            const std::string written = folder.read("hotkeys.xml");
            for (const char* group : {"0", "1", "2", "3", "4", "5", "6"})
                EXPECT_NE(written.find(std::string("group_id=\"") + group + "\""),
                          std::string::npos);
            EXPECT_EQ(folder.read("timers.xml"), before["timers.xml"]);
        }
    }
}

} // namespace
