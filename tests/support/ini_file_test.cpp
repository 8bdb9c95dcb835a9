// ReadIniValue against real profile files, read by the platform's profile reader.
#include "support/ini_file.h"

#include <gtest/gtest.h>
#include <cwchar>
#include <windows.h>

#include "tests/support/temp_directory.h"

namespace morvane {
namespace {

using testing::TempDirectory;

TEST(ReadIniValue, AbsentFileGivesTheDefault) {
    TempDirectory dir;
    EXPECT_EQ(ReadIniValue(L"Options", L"MaxSuggestions", L"10", dir / L"Settings.ini"), L"10");
}

TEST(ReadIniValue, AbsentSectionOrKeyGivesTheDefault) {
    TempDirectory dir;
    const auto noKey = dir.Write(L"a.ini", "[Options]\r\nOther=3\r\n");
    const auto otherSection = dir.Write(L"b.ini", "[Elsewhere]\r\nMaxSuggestions=3\r\n");
    EXPECT_EQ(ReadIniValue(L"Options", L"MaxSuggestions", L"10", noKey), L"10");
    EXPECT_EQ(ReadIniValue(L"Options", L"MaxSuggestions", L"10", otherSection), L"10");
    EXPECT_EQ(ReadIniValue(L"Missing", L"Other", L"default", noKey), L"default");
}

TEST(ReadIniValue, PresentKeyGivesItsValueAndAnEmptyValueGivesEmptyText) {
    TempDirectory dir;
    const auto file = dir.Write(L"s.ini", "[Options]\r\nMaxSuggestions=7\r\nEmpty=\r\n");
    EXPECT_EQ(ReadIniValue(L"Options", L"MaxSuggestions", L"10", file), L"7");
    EXPECT_EQ(ReadIniValue(L"Options", L"Empty", L"10", file), L"");
}

TEST(ReadIniValue, LongValueIsCutTo2047Characters) {
    TempDirectory dir;
    std::string value;
    for (int i = 0; i < 3000; ++i) value.push_back(static_cast<char>('a' + i % 26));
    const auto file = dir.Write(L"long.ini", "[Options]\r\nMaxSuggestions=" + value + "\r\n");
    const std::wstring read = ReadIniValue(L"Options", L"MaxSuggestions", L"10", file);
    ASSERT_EQ(read.size(), 2047u);
    EXPECT_EQ(read, std::wstring(value.begin(), value.begin() + 2047));
}

// Whatever the platform does to a value (spaces, quotes, tabs), ReadIniValue neither adds nor
// removes anything: it gives exactly what the profile reader gives with a large buffer.
TEST(ReadIniValue, GivesTheValueExactlyAsThePlatformDoes) {
    TempDirectory dir;
    const auto file = dir.Write(L"odd.ini",
                                "[Options]\r\n"
                                "Spaces =   12   \r\n"
                                "Quoted=\"13\"\r\n"
                                "Tabbed=\t14\t\r\n"
                                "Inner=1 2  3\r\n"
                                "Comment=15 ; a remark\r\n"
                                "Ansi=caf\xe9\r\n");
    for (const wchar_t* key : {L"Spaces", L"Quoted", L"Tabbed", L"Inner", L"Comment", L"Ansi"}) {
        std::wstring direct(8192, L'\0');
        direct.resize(GetPrivateProfileStringW(L"Options", key, L"x", direct.data(), 8192, file.c_str()));
        EXPECT_EQ(ReadIniValue(L"Options", key, L"x", file), direct) << "key " << std::string(key, key + wcslen(key));
    }
    EXPECT_EQ(ReadIniValue(L"Options", L"Inner", L"x", file), L"1 2  3");
}

}  // namespace
}  // namespace morvane
