// FileExists and ApplicationDirectory against the real file system.
#include <gtest/gtest.h>

#include "support/app_paths.h"
#include "support/file_operations.h"
#include "tests/support/temp_directory.h"

namespace morvane {
namespace {

using testing::TempDirectory;

TEST(FileExists, FilesDirectoriesAndWildcardMatchesExist) {
    TempDirectory dir;
    dir.Write(L"words.dictionary", "a\r\n");
    dir.MakeDirectory(L"sub");
    EXPECT_TRUE(FileExists(dir / L"words.dictionary"));
    EXPECT_TRUE(FileExists(dir / L"sub"));
    EXPECT_TRUE(FileExists(dir / L"*.dictionary"));
    EXPECT_TRUE(FileExists(dir / L"w?rds.*"));
}

TEST(FileExists, EmptyTextMissingNamesAndUnmatchedPatternsDoNot) {
    TempDirectory dir;
    dir.Write(L"words.dictionary", "a\r\n");
    EXPECT_FALSE(FileExists(L""));
    EXPECT_FALSE(FileExists(dir / L"missing.txt"));
    EXPECT_FALSE(FileExists(dir / L"*.txt"));
    EXPECT_FALSE(FileExists(dir / L"missing\\words.dictionary"));
}

TEST(ApplicationDirectory, IsWhereTheProgramAndItsDataAre) {
    const std::wstring directory = ApplicationDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), L'\\');
    // Tests run beside the data files copied into the programs' folder.
    EXPECT_TRUE(FileExists(directory + L"\\Settings.ini"));
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    EXPECT_EQ(std::wstring(self).rfind(directory + L"\\", 0), 0u);
}

TEST(ApplicationDirectory, DriveRootKeepsItsBackslash) {
    EXPECT_EQ(DirectoryOfPath(L"C:\\Morvane.exe"), L"C:\\");
    EXPECT_EQ(DirectoryOfPath(L"C:\\Programs\\Morvane\\Morvane.exe"), L"C:\\Programs\\Morvane");
    EXPECT_EQ(DirectoryOfPath(L"\\\\server\\share\\Morvane.exe"), L"\\\\server\\share");
    EXPECT_EQ(DirectoryOfPath(L"Morvane.exe"), L"");
}

}  // namespace
}  // namespace morvane
