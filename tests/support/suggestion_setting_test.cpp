// The MaxSuggestions setting read from a real settings file, and the once-per-bad-value
// notice, caught instead of shown.
#include "support/suggestion_setting.h"

#include <gtest/gtest.h>

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

// Each refused value is told once: not again, after a good one or after another refused one.
// The notice names the file, the key and the value, shortened past eighty characters.
TEST_F(SuggestionSetting, TakesNumbersTheSearchCanUseAndTellsOfEachOtherValueOnceNamingIt) {
    EXPECT_EQ(reader_.Read(dir_ / L"Settings.ini"), 10);  // no file
    EXPECT_EQ(reader_.Read(WriteSetting("Other=3")), 10);
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"3", 3}, {"abc", {}}, {"-1", {}}, {"abc", {}}, {"12.5", 12}, {"abc", {}}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(ReadValue(value), expected) << "value '" << value << "'";
    ASSERT_EQ(told_.size(), 2u);
    EXPECT_NE(told_[1].text.find(L"\"-1\""), std::wstring::npos) << told_[1].text;
    told_.clear();

    std::wstring eighty;
    for (int i = 0; i < 80; ++i) eighty += static_cast<wchar_t>(L'0' + i % 10);
    const std::wstring path = WriteSetting("MaxSuggestions=" + std::string(eighty.begin(), eighty.end()));
    EXPECT_EQ(reader_.Read(path), std::nullopt);
    EXPECT_EQ(ReadValue("y" + std::string(eighty.begin(), eighty.end())), std::nullopt);
    ASSERT_EQ(told_.size(), 2u);
    for (const std::wstring& part : {path, L"MaxSuggestions=\"" + eighty + L"\"", std::wstring(L"[Options]")})
        EXPECT_NE(told_[0].text.find(part), std::wstring::npos) << part << " in " << told_[0].text;
    const std::wstring shortened = L"\"y" + eighty.substr(0, 79) + L"...\"";
    EXPECT_NE(told_[1].text.find(shortened), std::wstring::npos) << told_[1].text;
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
