#include "storage/settings.h"

#include "storage/log_tail.h"
#include "storage/temporary_data_folder.h"

#include <gtest/gtest.h>

namespace {

ScreenSizeSource screen(int width, int height) {
    return [=] { return ScreenSize{width, height}; };
}

std::string settings_document(const std::string& window, const std::string& options) {
    return "<?xml version=\"1.0\" standalone=\"no\" ?>\n<settings>\n    <window>\n" + window +
           "    </window>\n    <options " + options + " />\n</settings>\n";
}

const std::string DEFAULT_WINDOW = "        <position x=\"500\" y=\"200\" />\n"
                                   "        <size maximized=\"false\" x=\"640\" y=\"800\" />\n";

class SettingsFile : public ::testing::Test {
protected:
    TemporaryDataFolder folder_;
    const std::wstring path_ = folder_.file("settings.xml");
};

TEST_F(SettingsFile, AMissingOrUnreadableFileIsLoggedAndCreatedWithTheDefaults) {
    const std::wstring cannot_load_file = L"Unable to load file: " + path_ + L".";
    const std::wstring cannot_load = L"Unable to load configuration: " + path_;
    const std::pair<const char*, std::vector<std::wstring>> cases[] = {
        {"", {cannot_load_file, cannot_load}},
        {"<settings><options check_updates=\"false\">", {cannot_load}}};
    for (const auto& [content, log_lines] : cases) {
        SCOPED_TRACE(content);
        if (*content)
            folder_.write("settings.xml", content);
        Settings settings(screen(1920, 1080));
        LogTail log;
        EXPECT_TRUE(settings.load(path_));
        EXPECT_EQ(log.lines(), log_lines);
        EXPECT_EQ(folder_.read("settings.xml"),
                  settings_document(DEFAULT_WINDOW, "build_number=\"0\" check_updates=\"true\""));
        EXPECT_EQ(settings.position_x(), 500);
        EXPECT_EQ(settings.size_y(), 800);
        EXPECT_TRUE(settings.check_updates());
    }
}

TEST_F(SettingsFile, SmallScreensGetFourFifthsButNotLessThanFourHundred) {
    const std::pair<ScreenSize, ScreenSize> cases[] = {
        {{600, 700}, {480, 560}}, {{450, 450}, {400, 400}}, {{640, 800}, {640, 800}}};
    for (const auto& [screen_size, expected] : cases) {
        Settings settings(screen(screen_size.width, screen_size.height));
        EXPECT_EQ(settings.size_x(), expected.width) << screen_size.width;
        EXPECT_EQ(settings.size_y(), expected.height) << screen_size.height;
    }
}

TEST_F(SettingsFile, StoredValuesAreUsedUnchangedAndChangesAreSaved) {
    folder_.write("settings.xml",
                  "<settings><window><position x=\"3000\" y=\"-20\"/>"
                  "<size x=\"900\" y=\"700\" maximized=\"True\"/></window>"
                  "<options check_updates=\"false\" build_number=\"17\"/></settings>");
    Settings settings([] {
        ADD_FAILURE() << "the screen size is not needed here";
        return ScreenSize{1920, 1080};
    });
    EXPECT_TRUE(settings.load(path_));
    EXPECT_EQ(settings.position_x(), 3000);
    EXPECT_EQ(settings.position_y(), -20);
    EXPECT_EQ(settings.size_x(), 900);
    EXPECT_EQ(settings.size_y(), 700);
    EXPECT_TRUE(settings.maximized());
    EXPECT_FALSE(settings.check_updates());

    settings.set_position_x(-8);
    settings.set_position_y(12);
    settings.set_size_x(1024);
    settings.set_size_y(768);
    settings.set_maximized(false);
    settings.set_check_updates(true);
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(folder_.read("settings.xml"),
              settings_document("        <position x=\"-8\" y=\"12\" />\n"
                                "        <size maximized=\"false\" x=\"1024\" y=\"768\" />\n",
                                "build_number=\"17\" check_updates=\"true\""));
}

TEST_F(SettingsFile, MissingPartsOfALoadedFileAreFilledButOptionsKept) {
    folder_.write("settings.xml", "<config><window><size x=\"1000\"/></window>"
                                  "<options check_updates=\"false\"/></config>");
    Settings settings(screen(600, 700));
    EXPECT_TRUE(settings.load(path_));
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(folder_.read("settings.xml"),
              settings_document("        <size maximized=\"false\" x=\"1000\" y=\"560\" />\n"
                                "        <position x=\"500\" y=\"200\" />\n",
                                "build_number=\"0\" check_updates=\"false\""));
}

TEST_F(SettingsFile, FileThatCannotBeCreatedLeavesDefaultsInMemory) {
    const std::wstring path = folder_.file("missing folder/settings.xml");
    Settings settings(screen(1920, 1080));
    LogTail log;
    EXPECT_FALSE(settings.load(path));
    EXPECT_EQ(log.lines(),
              (std::vector<std::wstring>{L"Unable to load file: " + path + L".",
                                         L"Unable to load configuration: " + path,
                                         L"Unable to save configuration: " + path + L"."}));
    EXPECT_EQ(settings.position_x(), 500);
    EXPECT_EQ(settings.size_y(), 800);
    EXPECT_TRUE(settings.check_updates());
}

} // namespace
