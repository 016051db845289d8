#include "app/diagnostic_log.h"
#include "app/file_system.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

namespace {

std::string log_file_text(const std::wstring& path) {
    FileBuffer buffer;
    EXPECT_TRUE(read_file(buffer, path));
    return std::string(buffer.data.begin(), buffer.data.end());
}

} // namespace

TEST(DiagnosticLog, MessagesAreAppendedInOrder) {
    const auto before = diagnostic_messages().size();
    log_message(L"Settings loaded successfully.");
    log_message(L"Unable to load ignore list.");

    const auto& messages = diagnostic_messages();
    ASSERT_EQ(messages.size(), before + 2);
    EXPECT_EQ(messages[before], L"Settings loaded successfully.");
    EXPECT_EQ(messages[before + 1], L"Unable to load ignore list.");
}

TEST(DiagnosticLog, PathMessagesKeepThePathWhole) {
    const std::wstring path = L"C:\\Users\\\x0418\x0432\x0430\x043D\\100%s\\";
    log_path_message("Current directory: [%s]", path);
    EXPECT_EQ(diagnostic_messages().back(), L"Current directory: [" + path + L"]");

    log_path_message("100%% of %s.", L"x");
    EXPECT_EQ(diagnostic_messages().back(), L"100% of x.");
}

TEST(WriteLog, WritesEachLineWithCrLfInOrder) {
    TemporaryFolder folder;
    const std::wstring path = folder.file(L"log.xml");

    ASSERT_TRUE(write_log({L"Current directory: [C:\\]", L"Unable to load timer list."}, path));
    EXPECT_EQ(log_file_text(path), "Current directory: [C:\\]\r\nUnable to load timer list.\r\n");
}

TEST(WriteLog, PercentSignsAreWrittenUnchanged) {
    TemporaryFolder folder;
    const std::wstring path = folder.file(L"log.xml");

    ASSERT_TRUE(write_log({L"value %d and %s and %n"}, path));
    EXPECT_EQ(log_file_text(path), "value %d and %s and %n\r\n");
}

TEST(WriteLog, CharactersBeyondOneByteBecomeQuestionMarksAndTheLineGoesOn) {
    TemporaryFolder folder;
    const std::wstring path = folder.file(L"log.xml");
    // Cyrillic, Latin-1, a character outside the basic plane written as a surrogate pair on
    // Windows and as one unit on Linux.
    const std::wstring emoji = sizeof(wchar_t) == 2
                                   ? std::wstring(L"\xD83D\xDE00")
                                   : std::wstring(1, static_cast<wchar_t>(0x1F600));

    ASSERT_TRUE(
        write_log({L"Application directory: [C:\\\x0418\x0432\\caf\xE9" + emoji + L"]"}, path));
    EXPECT_EQ(log_file_text(path), "Application directory: [C:\\??\\caf\xE9?]\r\n");
}

TEST(WriteLog, RewritesTheFileWhole) {
    TemporaryFolder folder(L"\x7528\x6237");
    const std::wstring path = folder.file(L"log.xml");

    ASSERT_TRUE(write_log({L"first", L"second", L"third"}, path));
    ASSERT_TRUE(write_log({L"one"}, path));
    EXPECT_EQ(log_file_text(path), "one\r\n");
}

TEST(WriteLog, FailsWhenTheFolderIsMissing) {
    TemporaryFolder folder;
    EXPECT_FALSE(write_log({L"line"}, folder.file(L"missing") + L"/log.xml"));
}
