// The real Morvane.exe in the tray: start-up, the icon's clicks, a second instance, Exit.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "program_driver.h"

namespace morvane::e2e {
namespace {

constexpr UINT kIconId = 125;
constexpr wchar_t kTip[] = L"Morvane. Click to view";

bool TipShown() {
    const auto texts = TooltipTexts();
    return std::find(texts.begin(), texts.end(), kTip) != texts.end();
}

TEST(TrayE2E, StartsSilentlyWithItsIconAndNoWindow) {
    ScenarioFolder folder;
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr);
    EXPECT_FALSE(IsWindowVisible(program.Host()));
    EXPECT_EQ(WindowText(program.Host()), L"Morvane");
    EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(program.Host(), kIconId); }));
    // The notification area shows the tip up to its NUL: the padding spaces are not part of it.
    EXPECT_TRUE(WaitUntil(&TipShown));
    EXPECT_EQ(program.CheckWindow(), nullptr);
}

TEST(TrayE2E, SecondInstanceEndsAtOnceAndLeavesTheFirstAlone) {
    ScenarioFolder folder;
    RunningProgram first(folder);
    ASSERT_NE(first.Host(), nullptr);
    RunningProgram second(folder);
    EXPECT_TRUE(second.WaitForExit(5000));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(second.Host(), nullptr);
    EXPECT_FALSE(first.WaitForExit(0));
    EXPECT_TRUE(TrayIconExists(first.Host(), kIconId));
    first.LeftClick();
    EXPECT_NE(first.WaitForCheckWindow(), nullptr);
}

TEST(TrayE2E, LeftClicksToggleTheCheckWindowAndReloadTheDictionary) {
    ScenarioFolder folder;
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr);

    program.LeftClick();
    HWND window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CheckWordAndRead(window, L"zebra"),
              (std::vector<std::wstring>{L"Word Not Found", L"No Suggestions :("}));

    program.LeftClick();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));

    // The third click loads the window again, and so reads the file again.
    folder.Write(L"Morvane.dictionary", std::string(kTestDictionary) + "\r\nzebra");
    program.LeftClick();
    window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(ListEntries(window).empty());
    EXPECT_EQ(WindowText(GetDlgItem(window, 1001)), L"");
    EXPECT_EQ(CheckWordAndRead(window, L"zebra"), std::vector<std::wstring>{L"zebra"});
}

TEST(TrayE2E, AfterTheCloseBoxTheNextClickShowsNothingAndTheOneAfterShowsTheWindow) {
    ScenarioFolder folder;
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr);
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);

    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(program.WaitUntilNoCheckWindow());

    program.LeftClick();  // unloads a window that is not loaded, clears the flag
    Sleep(300);
    EXPECT_EQ(program.CheckWindow(), nullptr);
    program.LeftClick();
    EXPECT_NE(program.WaitForCheckWindow(), nullptr);
}

TEST(TrayE2E, OtherIconNotificationsDoNothing) {
    ScenarioFolder folder;
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr);
    for (const LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_RBUTTONDOWN}) {
        PostMessageW(program.Host(), WM_USER + 1, kIconId, event);
    }
    Sleep(300);
    EXPECT_EQ(program.CheckWindow(), nullptr);
    EXPECT_EQ(program.FindWindowNamed(L"#32768", L""), nullptr);
}

TEST(TrayE2E, ExitClosesTheWindowRemovesTheIconAndEndsTheProcess) {
    ScenarioFolder folder;
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr);
    program.LeftClick();
    ASSERT_NE(program.WaitForCheckWindow(), nullptr);
    const HWND host = program.Host();
    ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(host, kIconId); }));

    ASSERT_TRUE(program.ChooseMenuItem(4));
    EXPECT_TRUE(program.WaitForExit(5000));
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_FALSE(IsWindow(host));
    EXPECT_FALSE(TrayIconExists(host, kIconId));
    EXPECT_TRUE(WaitUntil([] { return !TipShown(); }));
}

TEST(TrayE2E, TaskbarRestartAddsTheIconAgain) {
    ScenarioFolder folder;
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr);
    const HWND host = program.Host();
    ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(host, kIconId); }));

    // What a restarted taskbar finds: no icon of the program, and its broadcast.
    NOTIFYICONDATAW icon{};
    icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
    icon.hWnd = host;
    icon.uID = kIconId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    ASSERT_FALSE(TrayIconExists(host, kIconId));
    PostMessageW(host, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(host, kIconId); }));

    // The host window still answers the icon.
    program.LeftClick();
    EXPECT_NE(program.WaitForCheckWindow(), nullptr);
}

}  // namespace
}  // namespace morvane::e2e
