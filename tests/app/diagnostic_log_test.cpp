#include "app/diagnostic_log.h"
#include "app/file_system.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

namespace {

std::string written_log(const std::vector<std::wstring>& lines) {
    TemporaryFolder folder(L"\x7528\x6237");
    const std::wstring path = folder.file(L"log.xml");
    EXPECT_TRUE(write_log({L"an earlier, longer log"}, path));
    EXPECT_TRUE(write_log(lines, path));
    FileBuffer buffer;
    EXPECT_TRUE(read_file(buffer, path));
    return std::string(buffer.data.begin(), buffer.data.end());
}

} // namespace

TEST(DiagnosticLog, PathMessagesKeepThePathWhole) {
    const std::wstring path = L"C:\\Users\\\x0418\x0432\x0430\x043D\\100%s\\";
    log_path_message("Current directory: [%s]", path);
    EXPECT_EQ(diagnostic_messages().back(), L"Current directory: [" + path + L"]");
    log_path_message("100%% of %s.", L"x");
    EXPECT_EQ(diagnostic_messages().back(), L"100% of x.");
}

TEST(WriteLog, RewritesTheFileWithEachLineEndingInCrLf) {
    EXPECT_EQ(written_log({L"Current directory: [C:\\]", L"value %d and %s and %n"}),
              "Current directory: [C:\\]\r\nvalue %d and %s and %n\r\n");
}

TEST(WriteLog, CharactersBeyondOneByteBecomeQuestionMarksAndTheLineGoesOn) {
    // Outside the basic plane: a surrogate pair on Windows, one unit on Linux.
    const std::wstring emoji = sizeof(wchar_t) == 2
                                   ? std::wstring(L"\xD83D\xDE00")
                                   : std::wstring(1, static_cast<wchar_t>(0x1F600));
    EXPECT_EQ(written_log({L"Application directory: [C:\\\x0418\x0432\\caf\xE9" + emoji + L"]"}),
              "Application directory: [C:\\??\\caf\xE9?]\r\n");
}

TEST(WriteLog, FailsWhenTheFolderIsMissing) {
    TemporaryFolder folder;
    EXPECT_FALSE(write_log({L"line"}, folder.file(L"missing") + L"/log.xml"));
}
