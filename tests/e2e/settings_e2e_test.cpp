// The real Morvane.exe with a settings value it refuses, and with a dictionary it cannot read.
#include <gtest/gtest.h>

#include "program_driver.h"

namespace morvane::e2e {
namespace {

using Entries = std::vector<std::wstring>;

// The suggestions for "bda" with a limit of 10, and of 2.
const Entries kFiveSuggestions{L"bad", L"bed", L"bid", L"bud", L"bead"};
const Entries kTwoSuggestions{L"bad", L"bed"};

TEST(SettingsE2E, RefusedValueAtCheckIsToldOnceAndThePreviousLimitStays) {
    ScenarioFolder folder;
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr);
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);

    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=abc\r\n");
    PressCheckLater(window, L"bda");
    const HWND box = program.WaitForMessageBox(L"Morvane");
    ASSERT_NE(box, nullptr);
    const std::wstring text = MessageBoxText(box);
    EXPECT_NE(text.find(L"MaxSuggestions=\"abc\""), std::wstring::npos) << text;
    EXPECT_NE(text.find(folder.File(L"Settings.ini")), std::wstring::npos) << text;
    PressOk(box);
    // The word is still checked, with the limit read at start-up.
    EXPECT_TRUE(WaitUntil([&] { return ListEntries(window) == kFiveSuggestions; }));

    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=2\r\n");
    EXPECT_EQ(CheckWordAndRead(window, L"bda"), kTwoSuggestions);
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=abc\r\n");
    EXPECT_EQ(CheckWordAndRead(window, L"bda"), kTwoSuggestions);  // told already: no box
}

TEST(SettingsE2E, RefusedValueAtStartUpIsToldAndTenIsUsed) {
    ScenarioFolder folder;
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=40000\r\n");
    RunningProgram program(folder);
    const HWND box = program.WaitForMessageBox(L"Morvane");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find(L"40000"), std::wstring::npos);
    PressOk(box);

    ASSERT_NE(program.Host(), nullptr);
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=2\r\n");
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CheckWordAndRead(window, L"bda"), kTwoSuggestions);
}

TEST(SettingsE2E, DecimalValuesRoundHalfToEven) {
    ScenarioFolder folder;
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=2.5\r\n");
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr);
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CheckWordAndRead(window, L"bda"), kTwoSuggestions);
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=3.5\r\n");
    EXPECT_EQ(CheckWordAndRead(window, L"bda"), (Entries{L"bad", L"bed", L"bid", L"bud"}));
}

TEST(UnreadableDictionaryE2E, ToldThenTheWindowClosesItself) {
    ScenarioFolder folder;
    folder.Remove(L"Morvane.dictionary");
    // A folder of that name exists, so the file test passes, but it cannot be read.
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"Morvane.dictionary").c_str(), nullptr));
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr);

    program.LeftClick();
    const HWND box = program.WaitForMessageBox(L"Morvane");
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(MessageBoxText(box).empty());
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(program.WaitUntilNoCheckWindow());
    Sleep(300);
    EXPECT_EQ(program.CheckWindow(), nullptr);
    RemoveDirectoryW(folder.File(L"Morvane.dictionary").c_str());
}

}  // namespace
}  // namespace morvane::e2e
