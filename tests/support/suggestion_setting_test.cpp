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
    std::wstring WriteSetting(const std::string& line) {
        return dir_.Write(L"Settings.ini", "[Options]\r\n" + line + "\r\n");
    }
    std::optional<int> ReadValue(const std::string& value) {
        return reader_.Read(WriteSetting("MaxSuggestions=" + value));
    }

    testing::TempDirectory dir_;
    std::vector<SettingNotice> told_;
    SuggestionLimitReader reader_{[this](const SettingNotice& notice) { told_.push_back(notice); }};
};

TEST_F(SuggestionSetting, TakesNumbersTheSearchCanUseAndTellsOfEveryOtherValue) {
    EXPECT_EQ(reader_.Read(dir_ / L"Settings.ini"), 10);  // no file
    EXPECT_EQ(reader_.Read(WriteSetting("Other=3")), 10);
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"3", 3},   {"0", 0},   {"32767", 32767}, {"12.5", 12},       {"13.5", 14},  {" 7 ", 7},
        {"", {}},   {"abc", {}}, {"-1", {}},       {"32768", {}},      {"1e9", {}},   {"12abc", {}}};
    for (const auto& [value, expected] : cases) {
        const std::size_t before = told_.size();
        EXPECT_EQ(ReadValue(value), expected) << "value '" << value << "'";
        EXPECT_EQ(told_.size(), before + (expected ? 0 : 1)) << "value '" << value << "'";
    }
}

TEST_F(SuggestionSetting, NoticeNamesTheFileTheKeyAndTheValueShortenedWhenVeryLong) {
    const std::wstring path = WriteSetting("MaxSuggestions=lots");
    EXPECT_EQ(reader_.Read(path), std::nullopt);
    EXPECT_EQ(ReadValue(std::string(3000, 'x')), std::nullopt);
    ASSERT_EQ(told_.size(), 2u);
    const SettingNotice& notice = told_[0];
    EXPECT_EQ(notice.title, L"Morvane");
    EXPECT_EQ(notice.style, static_cast<unsigned>(MB_ICONWARNING | MB_OK));
    EXPECT_NE(notice.text.find(path), std::wstring::npos);
    EXPECT_NE(notice.text.find(L"MaxSuggestions"), std::wstring::npos);
    EXPECT_NE(notice.text.find(L"\"lots\""), std::wstring::npos);
    EXPECT_NE(notice.text.find(L"[Options]"), std::wstring::npos);
    EXPECT_LT(told_[1].text.size(), 600u);
    EXPECT_NE(told_[1].text.find(std::wstring(80, L'x') + L"...\""), std::wstring::npos);
}

TEST_F(SuggestionSetting, EachDistinctBadValueIsToldOnce) {
    EXPECT_EQ(ReadValue("abc"), std::nullopt);
    EXPECT_EQ(ReadValue("abc"), std::nullopt);
    EXPECT_EQ(ReadValue("5"), 5);
    EXPECT_EQ(ReadValue("abc"), std::nullopt);
    EXPECT_EQ(told_.size(), 1u);
    EXPECT_EQ(ReadValue("xyz"), std::nullopt);
    EXPECT_EQ(ReadValue("abc"), std::nullopt);
    ASSERT_EQ(told_.size(), 2u);
    EXPECT_NE(told_[1].text.find(L"\"xyz\""), std::wstring::npos);
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
