#include "engine/file_name_of.h"

#include <gtest/gtest.h>

TEST(FileNameOf, TakesThePartAfterTheLastSeparator) {
    EXPECT_EQ(file_name_of(L"\\Device\\HarddiskVolume2\\Windows\\notepad.exe"), L"notepad.exe");
    EXPECT_EQ(file_name_of(L"C:/Program Files/App/App.EXE"), L"App.EXE");
    EXPECT_EQ(file_name_of(L"C:\\mixed/dir\\tool.exe"), L"tool.exe");
}

TEST(FileNameOf, IsEmptyWithoutSeparatorOrAfterATrailingOne) {
    EXPECT_EQ(file_name_of(L""), L"");
    EXPECT_EQ(file_name_of(L"notepad.exe"), L"");
    EXPECT_EQ(file_name_of(L"\\Device\\Folder\\"), L"");
    EXPECT_EQ(file_name_of(L"C:/Folder/"), L"");
}
