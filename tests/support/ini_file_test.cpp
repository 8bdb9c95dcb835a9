// ReadIniValue against real profile files, read by the platform's profile reader.
#include "support/ini_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include "tests/support/temp_directory.h"

namespace morvane {
namespace {

TEST(ReadIniValue, GivesTheValueOrTheDefaultWhenFileSectionOrKeyIsAbsent) {
    testing::TempDirectory dir;
    std::string longValue;
    for (int i = 0; i < 3000; ++i) longValue.push_back(static_cast<char>('a' + i % 26));
    // [Options] without MaxSuggestions, which stands only under another section.
    const auto file = dir.Write(L"Settings.ini", "[Options]\r\nOther=7\r\nEmpty=\r\nLong=" + longValue +
                                                     "\r\n[Elsewhere]\r\nMaxSuggestions=3\r\n");
    const std::tuple<std::wstring, std::wstring, std::wstring, std::wstring> cases[] = {
                 {dir / L"absent.ini", L"Options", L"MaxSuggestions", L"10"},
                 {file, L"Options", L"MaxSuggestions", L"10"},
                 {file, L"Missing", L"Other", L"10"},
                 {file, L"Options", L"Other", L"7"},
                 {file, L"Options", L"Empty", L""},
                 {file, L"Options", L"Long", std::wstring(longValue.begin(), longValue.begin() + 2047)}};
    for (const auto& [path, section, key, expected] : cases) {
        EXPECT_EQ(ReadIniValue(section, key, L"10", path), expected) << path << " [" << section << "] " << key;
    }
}

// Whatever the platform does to a value (spaces, quotes, tabs), ReadIniValue neither adds nor
// removes anything: it gives exactly what the profile reader gives with a large buffer.
TEST(ReadIniValue, GivesTheValueExactlyAsThePlatformDoes) {
    testing::TempDirectory dir;
    const auto file = dir.Write(L"odd.ini",
                                "[Options]\r\n"
                                "Spaces =   12   \r\n"
                                "Quoted=\"13\"\r\n"
                                "Tabbed=\t14\t\r\n"
                                "Inner=1 2  3\r\n"
                                "Comment=15 ; a remark\r\n"
                                "Ansi=caf\xe9\r\n");
    for (const std::wstring key : {L"Spaces", L"Quoted", L"Tabbed", L"Inner", L"Comment", L"Ansi"}) {
        std::wstring direct(8192, L'\0');
        direct.resize(GetPrivateProfileStringW(L"Options", key.c_str(), L"x", direct.data(), 8192, file.c_str()));
        EXPECT_EQ(ReadIniValue(L"Options", key, L"x", file), direct) << key;
    }
    EXPECT_EQ(ReadIniValue(L"Options", L"Inner", L"x", file), L"1 2  3");
}

}  // namespace
}  // namespace morvane
