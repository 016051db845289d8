#include "app/diagnostic_log.h"
#include "app/file_system.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

void put_bytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(path_of(path), std::ios::binary) << bytes;
}

std::string read_bytes(const std::wstring& path) {
    FileBuffer buffer;
    EXPECT_TRUE(read_file(buffer, path));
    EXPECT_EQ(buffer.size, buffer.data.size());
    return std::string(buffer.data.begin(), buffer.data.end());
}

long entries_in(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

const std::wstring cyrillic_user = L"\x0418\x0432\x0430\x043D";
const std::wstring chinese_user = L"\x7528\x6237";

} // namespace

TEST(JoinPath, GivesOneForwardSlashBetweenTrimmedParts) {
    const struct {
        std::wstring directory, file_name, expected;
    } cases[] = {
        {L"C:\\Data\\", L"settings.xml", L"C:/Data/settings.xml"},
        {L"C:\\Users\\user\\AppData\\Roaming//Hushcloak", L"settings.xml",
         L"C:/Users/user/AppData/Roaming/Hushcloak/settings.xml"},
        {L"C:\\a\\\\\\\\b", L"\\\\c", L"C:/a/b/c"},
        {L" C:\\Data ", L" a.xml ", L"C:/Data/a.xml"},
        {L"C:\\My Data", L"my file.xml", L"C:/My Data/my file.xml"},
        {L"", L"x", L"x"},
        {L"   ", L"x", L"x"},
        {L".", L"x", L"x"},
        {L"\\", L"x", L"x"},
        {L"C", L"x", L"C/x"},
        {L"C:\\Users\\" + cyrillic_user, L"log.xml", L"C:/Users/" + cyrillic_user + L"/log.xml"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(join_path(c.directory, c.file_name), c.expected)
            << testing::PrintToString(c.directory);
}

TEST(ReadFile, LoadsEveryByteUnchangedInFoldersNamedInAnyScript) {
    const std::string bytes("<settings>\0\xFF\r\n</settings>", 24);
    for (const auto& user : {cyrillic_user, chinese_user}) {
        TemporaryFolder folder(user);
        put_bytes(folder.file(L"groups.xml"), bytes);
        FileBuffer buffer;
        ASSERT_TRUE(read_file(buffer, join_path(folder.text(), L"groups.xml")));
        EXPECT_EQ(buffer.position, 0u);
        EXPECT_EQ(std::string(buffer.data.begin(), buffer.data.end()), bytes);
    }
}

TEST(ReadFile, EmptyFileSucceedsButMissingFileOrFolderFailsAndIsLogged) {
    TemporaryFolder folder;
    put_bytes(folder.file(L"empty.xml"), "");
    const struct {
        std::wstring path;
        bool succeeds;
    } cases[] = {{folder.file(L"empty.xml"), true},
                 {folder.file(L"missing.xml"), false},
                 {folder.text(), false}};
    for (const auto& c : cases) {
        FileBuffer buffer;
        buffer.size = 3;
        buffer.data.assign(3, 'x');
        EXPECT_EQ(read_file(buffer, c.path), c.succeeds) << testing::PrintToString(c.path);
        EXPECT_EQ(buffer.size, 0u);
        EXPECT_TRUE(buffer.data.empty());
        if (!c.succeeds) {
            EXPECT_EQ(diagnostic_messages().back(), L"Unable to load file: " + c.path + L".");
        }
    }
}

TEST(WriteFileAtomically, ReplacesTheWholeFileAndLeavesNoTemporaryFileBehind) {
    TemporaryFolder folder(cyrillic_user);
    const std::wstring path = folder.file(L"timers.xml");
    ASSERT_TRUE(write_file_atomically(path, "a longer first version"));
    ASSERT_TRUE(write_file_atomically(path, "short"));
    EXPECT_EQ(read_bytes(path), "short");

    EXPECT_FALSE(write_file_atomically(folder.file(L"missing") + L"/groups.xml", "x"));
    // A folder in the target's place cannot be replaced by a file.
    std::filesystem::create_directory(folder.path() / "groups.xml");
    EXPECT_FALSE(write_file_atomically(folder.file(L"groups.xml"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "groups.xml"));
    EXPECT_EQ(entries_in(folder.path()), 2);
}

TEST(PrepareDirectory, CreatesTheFolderOnceKeepingTheDoubledSlashOrFailsWhenItCannot) {
    for (const auto& user : {cyrillic_user, chinese_user}) {
        TemporaryFolder folder(user);
        std::wstring directory;
        ASSERT_TRUE(prepare_directory(folder.text(), L"Hushcloak", directory));
        EXPECT_EQ(directory, folder.text() + L"//Hushcloak");
        std::wstring again;
        ASSERT_TRUE(prepare_directory(folder.text(), L"Hushcloak", again));
        EXPECT_EQ(again, directory);
        ASSERT_TRUE(write_file_atomically(join_path(directory, L"log.xml"), "line\r\n"));
        EXPECT_EQ(read_bytes(text_of(folder.path() / "Hushcloak" / "log.xml")), "line\r\n");
    }

    // A file in the way, or a missing parent.
    TemporaryFolder folder;
    put_bytes(folder.file(L"Hushcloak"), "");
    std::wstring directory = L"unchanged";
    EXPECT_FALSE(prepare_directory(folder.text(), L"Hushcloak", directory));
    EXPECT_FALSE(prepare_directory(folder.file(L"missing"), L"Hushcloak", directory));
    EXPECT_EQ(directory, L"unchanged");
}

TEST(CurrentDirectory, IsTheProcessFolderEndingInASeparator) {
    TemporaryFolder folder(chinese_user);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const std::wstring directory = get_current_directory();
    std::filesystem::current_path(previous);

    ASSERT_FALSE(directory.empty());
    EXPECT_TRUE(directory.back() == L'\\' || directory.back() == L'/');
    EXPECT_TRUE(std::filesystem::equivalent(path_of(directory.substr(0, directory.size() - 1)),
                                            folder.path()));
}
