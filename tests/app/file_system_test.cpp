#include "app/diagnostic_log.h"
#include "app/file_system.h"
#include "harness/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace {

// Paths stay wide text from end to end: a folder named in any script is created, written, read,
// listed and logged in full, never narrowed to a code page.
TEST(DataFiles, AreReplacedWholeReadUnchangedAndLoggedInFullInFoldersOfAnyScript) {
    for (const std::wstring user : {L"\x0418\x0432\x0430\x043D", L"\x7528\x6237"}) {
        TemporaryFolder folder(user);
        std::wstring directory;
        ASSERT_TRUE(prepare_directory(folder.text(), L"Hushcloak", directory));
        EXPECT_EQ(directory, folder.text() + L"//Hushcloak");
        const std::wstring path = join_path(directory, L"groups.xml");
        const std::string bytes("<groups>\0\xFF\r\n</groups>", 20);
        ASSERT_TRUE(write_file_atomically(path, "a longer first version"));
        ASSERT_TRUE(write_file_atomically(path, bytes));
        EXPECT_EQ(
            std::distance(std::filesystem::directory_iterator(folder.path() / "Hushcloak"), {}), 1);
        FileBuffer buffer;
        ASSERT_TRUE(read_file(buffer, path, 20));
        EXPECT_EQ(std::string(buffer.data.begin(), buffer.data.begin() + buffer.size), bytes);

        EXPECT_FALSE(read_file(buffer, path, 19));
        EXPECT_FALSE(read_file(buffer, directory, 20));
        EXPECT_EQ(diagnostic_messages().back(), L"Unable to load file: " + directory + L".");

        // A character that 8-bit text cannot hold becomes "?" and the line goes on; a character
        // beyond the basic plane is one "?", though Windows keeps it as two units.
        const std::wstring log = join_path(directory, L"log.xml");
        ASSERT_TRUE(write_log({L"an earlier, longer log, line one", L"line two"}, log));
        ASSERT_TRUE(write_log({L"[" + user + L"\\caf\xE9\U0001F600] %s", L"end"}, log));
        ASSERT_TRUE(read_file(buffer, log, 100));
        EXPECT_EQ(std::string(buffer.data.begin(), buffer.data.end()),
                  "[" + std::string(user.size(), '?') + "\\caf\xE9?] %s\r\nend\r\n");

        // Over the caller's limit a file is refused before anything is read or set aside for
        // it, even one of the largest size the buffer could count (sparse: it takes no room).
        std::filesystem::resize_file(path_of(path), std::uint64_t{0xFFFFFFFF});
        EXPECT_FALSE(read_file(buffer, path, 4 << 20));
        EXPECT_EQ(diagnostic_messages().back(), L"Unable to load file: " + path + L".");
    }
}

// Shares and verbatim paths keep their prefixes; every other path has forward slashes only.
TEST(Paths, AreJoinedWithSingleSlashesKeepingTheirPrefixes) {
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"  C:\\Users\\me//Hushcloak ", L" groups.xml ", L"C:/Users/me/Hushcloak/groups.xml"},
        {L"\\\\server\\share\\Roaming//Hushcloak", L"log.xml",
         L"\\\\server/share/Roaming/Hushcloak/log.xml"},
        {L"\\\\?\\C:\\Users/me\\\\Hushcloak", L"a", L"\\\\?\\C:\\Users\\me\\Hushcloak\\a"}};
    for (const auto& [directory, name, joined] : cases)
        EXPECT_EQ(join_path(directory, name), joined) << directory;
}

} // namespace
