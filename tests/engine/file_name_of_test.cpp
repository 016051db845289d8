#include "engine/file_name_of.h"

#include <gtest/gtest.h>

TEST(FileNameOf, TakesThePartAfterTheLastSeparatorIfAny) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"\\Device\\HarddiskVolume2\\Windows\\notepad.exe", L"notepad.exe"},
        {L"C:/Program Files/App/App.EXE", L"App.EXE"},
        {L"C:\\mixed/dir\\tool.exe", L"tool.exe"},
        {L"", L""},
        {L"notepad.exe", L""},
        {L"\\Device\\Folder\\", L""},
        {L"C:/Folder/", L""}};
    for (const auto& [path, name] : cases)
        EXPECT_EQ(file_name_of(path), name) << path;
}
