#include "app/diagnostic_log.h"
#include "app/file_system.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

void put_bytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream file(path_of(path), std::ios::binary);
    file << bytes;
}

std::string bytes_of(const FileBuffer& buffer) {
    return std::string(buffer.data.begin(), buffer.data.end());
}

std::string read_bytes(const std::wstring& path) {
    FileBuffer buffer;
    EXPECT_TRUE(read_file(buffer, path));
    return bytes_of(buffer);
}

const std::wstring cyrillic_user = L"\x0418\x0432\x0430\x043D"; // Иван
const std::wstring chinese_user = L"\x7528\x6237";              // 用户

} // namespace

TEST(JoinPath, TurnsBackslashesIntoSingleForwardSlashes) {
    EXPECT_EQ(join_path(L"C:\\Data\\", L"settings.xml"), L"C:/Data/settings.xml");
    EXPECT_EQ(join_path(L"C:\\Data//Sub", L"x"), L"C:/Data/Sub/x");
    EXPECT_EQ(join_path(L"C:\\Users\\user\\AppData\\Roaming//Hushcloak", L"settings.xml"),
              L"C:/Users/user/AppData/Roaming/Hushcloak/settings.xml");
    EXPECT_EQ(join_path(L"C:\\a\\\\\\\\b", L"\\\\c"), L"C:/a/b/c");
}

TEST(JoinPath, TrimsSpacesAroundBothParts) {
    EXPECT_EQ(join_path(L" C:\\Data ", L" a.xml "), L"C:/Data/a.xml");
    EXPECT_EQ(join_path(L"C:\\My Data", L"my file.xml"), L"C:/My Data/my file.xml");
}

TEST(JoinPath, DropsAnEmptyOrSingleNonLetterDirectory) {
    EXPECT_EQ(join_path(L"", L"x"), L"x");
    EXPECT_EQ(join_path(L"   ", L"x"), L"x");
    EXPECT_EQ(join_path(L".", L"x"), L"x");
    EXPECT_EQ(join_path(L"\\", L"x"), L"x");
    EXPECT_EQ(join_path(L"C", L"x"), L"C/x");
}

TEST(JoinPath, KeepsCharactersOfAnyScript) {
    EXPECT_EQ(join_path(L"C:\\Users\\" + cyrillic_user, L"log.xml"),
              L"C:/Users/" + cyrillic_user + L"/log.xml");
}

TEST(ReadFile, LoadsEveryByteUnchanged) {
    TemporaryFolder folder;
    const std::string bytes("<settings>\0\xFF\r\n</settings>", 24);
    put_bytes(folder.file(L"groups.xml"), bytes);

    FileBuffer buffer;
    ASSERT_TRUE(read_file(buffer, folder.file(L"groups.xml")));
    EXPECT_EQ(buffer.size, bytes.size());
    EXPECT_EQ(buffer.position, 0u);
    EXPECT_EQ(bytes_of(buffer), bytes);
}

TEST(ReadFile, EmptyFileGivesSizeZero) {
    TemporaryFolder folder;
    put_bytes(folder.file(L"empty.xml"), "");

    FileBuffer buffer;
    buffer.size = 7;
    buffer.data.assign(7, 'x');
    ASSERT_TRUE(read_file(buffer, folder.file(L"empty.xml")));
    EXPECT_EQ(buffer.size, 0u);
    EXPECT_TRUE(buffer.data.empty());
}

TEST(ReadFile, MissingFileOrFolderFailsAndIsLogged) {
    TemporaryFolder folder;
    for (const std::wstring& path : {folder.file(L"missing.xml"), folder.text()}) {
        FileBuffer buffer;
        buffer.size = 3;
        buffer.data.assign(3, 'x');
        EXPECT_FALSE(read_file(buffer, path));
        EXPECT_EQ(buffer.size, 0u);
        EXPECT_TRUE(buffer.data.empty());
        EXPECT_EQ(diagnostic_messages().back(), L"Unable to load file: " + path + L".");
    }
}

TEST(ReadFile, WorksInFoldersNamedInAnyScript) {
    for (const auto& user : {cyrillic_user, chinese_user}) {
        TemporaryFolder folder(user);
        put_bytes(folder.file(L"hotkeys.xml"), "<settings/>");
        EXPECT_EQ(read_bytes(join_path(folder.text(), L"hotkeys.xml")), "<settings/>");
    }
}

TEST(WriteFileAtomically, CreatesAndReplacesTheWholeFile) {
    TemporaryFolder folder(cyrillic_user);
    const std::wstring path = folder.file(L"timers.xml");

    ASSERT_TRUE(write_file_atomically(path, "a longer first version"));
    EXPECT_EQ(read_bytes(path), "a longer first version");
    ASSERT_TRUE(write_file_atomically(path, "short"));
    EXPECT_EQ(read_bytes(path), "short");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WriteFileAtomically, FailureLeavesNoTemporaryFileBehind) {
    TemporaryFolder folder;
    EXPECT_FALSE(write_file_atomically(folder.file(L"missing") + L"/groups.xml", "x"));

    // A folder in the target's place cannot be replaced by a file.
    std::filesystem::create_directory(folder.path() / "groups.xml");
    EXPECT_FALSE(write_file_atomically(folder.file(L"groups.xml"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "groups.xml"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(PrepareDirectory, CreatesTheFolderOnceAndKeepsTheDoubledSlash) {
    for (const auto& user : {cyrillic_user, chinese_user}) {
        TemporaryFolder folder(user);
        std::wstring directory;
        ASSERT_TRUE(prepare_directory(folder.text(), L"Hushcloak", directory));
        EXPECT_EQ(directory, folder.text() + L"//Hushcloak");
        EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "Hushcloak"));

        std::wstring again;
        ASSERT_TRUE(prepare_directory(folder.text(), L"Hushcloak", again));
        EXPECT_EQ(again, directory);
        ASSERT_TRUE(write_file_atomically(join_path(directory, L"log.xml"), "line\r\n"));
        EXPECT_EQ(read_bytes(text_of(folder.path() / "Hushcloak" / "log.xml")), "line\r\n");
    }
}

TEST(PrepareDirectory, FailsWhenAFileIsInTheWayOrTheParentIsMissing) {
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
