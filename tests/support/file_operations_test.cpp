// FileExists against the real file system, and the directory taken from a program's path.
#include <gtest/gtest.h>

#include "support/app_paths.h"
#include "support/file_operations.h"
#include "tests/support/temp_directory.h"

namespace morvane {
namespace {

TEST(FileExists, FilesDirectoriesAndWildcardMatchesExistAndNothingElse) {
    testing::TempDirectory dir;
    dir.Write(L"words.dictionary", "a\r\n");
    dir.MakeDirectory(L"sub");
    const std::pair<std::wstring, bool> cases[] = {
        {dir / L"words.dictionary", true}, {dir / L"sub", true},      {dir / L"*.dictionary", true},
        {dir / L"w?rds.*", true},          {L"", false},              {dir / L"missing.txt", false},
        {dir / L"*.txt", false},           {dir / L"missing\\words.dictionary", false}};
    for (const auto& [path, exists] : cases) EXPECT_EQ(FileExists(path), exists) << path;
}

TEST(ApplicationDirectory, DriveRootKeepsItsBackslash) {
    EXPECT_EQ(DirectoryOfPath(L"C:\\Morvane.exe"), L"C:\\");
    EXPECT_EQ(DirectoryOfPath(L"C:\\Programs\\Morvane\\Morvane.exe"), L"C:\\Programs\\Morvane");
    EXPECT_EQ(DirectoryOfPath(L"\\\\server\\share\\Morvane.exe"), L"\\\\server\\share");
    EXPECT_EQ(DirectoryOfPath(L"Morvane.exe"), L"");
}

}  // namespace
}  // namespace morvane
