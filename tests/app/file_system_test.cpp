#include "app/diagnostic_log.h"
#include "app/file_system.h"
#include "harness/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
        ASSERT_TRUE(read_file(buffer, path));
        EXPECT_EQ(std::string(buffer.data.begin(), buffer.data.begin() + buffer.size), bytes);

        EXPECT_FALSE(read_file(buffer, directory));
        EXPECT_EQ(diagnostic_messages().back(), L"Unable to load file: " + directory + L".");

        // A character that 8-bit text cannot hold becomes "?" and the line goes on; a character
        // beyond the basic plane is one "?", though Windows keeps it as two units.
        const std::wstring log = join_path(directory, L"log.xml");
        ASSERT_TRUE(write_log({L"an earlier, longer log, line one", L"line two"}, log));
        ASSERT_TRUE(write_log({L"[" + user + L"\\caf\xE9\U0001F600] %s", L"end"}, log));
        ASSERT_TRUE(read_file(buffer, log));
        EXPECT_EQ(std::string(buffer.data.begin(), buffer.data.end()),
                  "[" + std::string(user.size(), '?') + "\\caf\xE9?] %s\r\nend\r\n");
    }
}

// The buffer counts bytes in 32 bits, so a file of 4 GiB is refused before anything is read;
// the file is sparse and takes no room on the disk.
TEST(DataFiles, OfFourGibibytesOrMoreAreRefused) {
    TemporaryFolder folder;
    const std::wstring path = folder.file(L"groups.xml");
    std::ofstream(path_of(path)).close();
    std::filesystem::resize_file(path_of(path), std::uint64_t{4} << 30);
    FileBuffer buffer;
    EXPECT_FALSE(read_file(buffer, path));
    EXPECT_EQ(diagnostic_messages().back(), L"Unable to load file: " + path + L".");
}

} // namespace
