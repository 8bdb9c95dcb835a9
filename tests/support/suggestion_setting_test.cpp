// The MaxSuggestions setting read from a real settings file, and the once-per-bad-value
// notice, caught instead of shown.
#include "support/suggestion_setting.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/support/temp_directory.h"

namespace morvane {
namespace {

class SuggestionSetting : public ::testing::Test {
protected:
    std::wstring WriteSetting(const std::string& line) { return dir_.Write(L"Settings.ini", "[Options]\r\n" + line + "\r\n"); }
    std::optional<int> ReadValue(const std::string& value) { return reader_.Read(WriteSetting("MaxSuggestions=" + value)); }

    testing::TempDirectory dir_;
    std::vector<SettingNotice> told_;
    SuggestionLimitReader reader_{[this](const SettingNotice& notice) { told_.push_back(notice); }};
};

// Each refused value is told once: again, after a good one, or after another refused one.
TEST_F(SuggestionSetting, TakesNumbersTheSearchCanUseAndTellsOfEachOtherValueOnce) {
    EXPECT_EQ(reader_.Read(dir_ / L"Settings.ini"), 10);  // no file
    EXPECT_EQ(reader_.Read(WriteSetting("Other=3")), 10);
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"3", 3},   {"0", 0},    {"32767", 32767}, {"12.5", 12}, {"13.5", 14}, {" 7 ", 7},   {"", {}},
        {"abc", {}}, {"-1", {}}, {"32768", {}},    {"1e9", {}},  {"12abc", {}}, {"abc", {}}, {"5", 5},
        {"abc", {}}};
    std::size_t refused = 0;
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(ReadValue(value), expected) << "value '" << value << "'";
        refused += !expected && std::string(value) != "abc" ? 1 : 0;
    }
    EXPECT_EQ(told_.size(), refused + 1) << "\"abc\" told once, every other refused value once";
}

TEST_F(SuggestionSetting, NoticeNamesTheFileTheKeyAndTheValueShortenedWhenVeryLong) {
    const std::wstring path = WriteSetting("MaxSuggestions=lots");
    EXPECT_EQ(reader_.Read(path), std::nullopt);
    EXPECT_EQ(ReadValue(std::string(3000, 'x')), std::nullopt);
    ASSERT_EQ(told_.size(), 2u);
    const SettingNotice& notice = told_[0];
    EXPECT_EQ(notice.title, L"Morvane");
    EXPECT_EQ(notice.style, static_cast<unsigned>(MB_ICONWARNING | MB_OK));
    for (const std::wstring& part : {path, std::wstring(L"MaxSuggestions"), std::wstring(L"\"lots\""), std::wstring(L"[Options]")})
        EXPECT_NE(notice.text.find(part), std::wstring::npos) << part << " in " << notice.text;
    EXPECT_LT(told_[1].text.size(), 600u);
    EXPECT_NE(told_[1].text.find(std::wstring(80, L'x') + L"...\""), std::wstring::npos);
}

// The message box runs a message loop in which the check window may read the setting again.
TEST_F(SuggestionSetting, ReadingAgainWhileTellingDoesNotTellTwice) {
    const std::wstring path = WriteSetting("MaxSuggestions=bad");
    int calls = 0;
    SuggestionLimitReader reader([&](const SettingNotice&) {
        if (++calls == 1) {
            EXPECT_EQ(reader.Read(path), std::nullopt);
        }
    });
    EXPECT_EQ(reader.Read(path), std::nullopt);
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace morvane
