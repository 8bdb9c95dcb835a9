// The real Morvane.exe in the tray: start-up, the icon's clicks, a second instance, a taskbar
// restart, and the messages that end it from outside.
#include "program_test.h"

#include <shellapi.h>

namespace morvane::e2e {
namespace {

constexpr UINT kIconId = 125;

using TrayE2E = ProgramE2E;

TEST_F(TrayE2E, StartsSilentlyWithItsIconAndNoWindow) {
    EXPECT_FALSE(IsWindowVisible(program_.Host()));
    EXPECT_EQ(WindowText(program_.Host()), L"Morvane");
    EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(program_.Host(), kIconId); }));
    // The notification area shows the tip up to its NUL: the padding spaces are not part of it.
    EXPECT_TRUE(WaitUntil([] { return TooltipShows(L"Morvane. Click to view"); }));
    EXPECT_EQ(program_.CheckWindow(), nullptr);
}

TEST_F(TrayE2E, SecondInstanceEndsAtOnceAndLeavesTheFirstAlone) {
    RunningProgram second(folder_);
    EXPECT_TRUE(second.WaitForExit(5000));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(second.Host(), nullptr);
    EXPECT_FALSE(program_.WaitForExit(0));
    EXPECT_TRUE(TrayIconExists(program_.Host(), kIconId));
    EXPECT_NE(OpenCheckWindow(), nullptr);
}

TEST_F(TrayE2E, LeftClicksToggleTheCheckWindowAndReloadTheDictionary) {
    HWND window = OpenCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CheckWordAndRead(window, L"zebra"), kNothingToSuggest);
    program_.LeftClick();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));

    // The third click loads the window again, empty, and so reads the file again.
    folder_.Write(L"Morvane.dictionary", std::string(kTestDictionary) + "\r\nzebra");
    window = OpenCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(ListEntries(window).empty());
    EXPECT_EQ(WindowText(GetDlgItem(window, 1001)), L"");
    EXPECT_EQ(CheckWordAndRead(window, L"zebra"), Entries{L"zebra"});
}

TEST_F(TrayE2E, AfterTheCloseBoxTheNextClickShowsNothingAndTheOneAfterShowsTheWindow) {
    const HWND window = OpenCheckWindow();
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));  // unloaded, not hidden
    program_.LeftClick();  // unloads a window that is not loaded, clears the flag
    Sleep(300);
    EXPECT_EQ(program_.CheckWindow(), nullptr);
    EXPECT_NE(OpenCheckWindow(), nullptr);
}

TEST_F(TrayE2E, OtherIconNotificationsDoNothing) {
    for (const LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_RBUTTONDOWN}) {
        program_.IconEvent(event);
    }
    Sleep(300);
    EXPECT_EQ(program_.CheckWindow(), nullptr);
    EXPECT_EQ(program_.ShownWindow(L"#32768", L""), nullptr);
}

TEST_F(TrayE2E, TaskbarRestartAddsTheIconAgain) {
    const HWND host = program_.Host();
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
    EXPECT_NE(OpenCheckWindow(), nullptr);  // the host window still answers the icon
}

// What installers, the Restart Manager and a sign-out send: the program ends as Exit ends it.
struct EndingMessage {
    const char* name;
    UINT message;
    WPARAM first;
    LPARAM last;
};

void PrintTo(const EndingMessage& sent, std::ostream* out) { *out << sent.name; }

class EndingMessageE2E : public ProgramE2E, public testing::WithParamInterface<EndingMessage> {};

TEST_P(EndingMessageE2E, EndsTheProgramAndRemovesItsIcon) {
    const HWND host = program_.Host();
    ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(host, kIconId); }))
        << "waited for the icon to appear";
    ASSERT_NE(OpenCheckWindow(), nullptr);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(host, GetParam().message, GetParam().first, GetParam().last,
                        SMTO_ABORTIFHUNG, 10000, &answer);
    EXPECT_TRUE(program_.WaitForExit(10000)) << "waited for the program to end";
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_FALSE(TrayIconExists(host, kIconId));
}

INSTANTIATE_TEST_SUITE_P(
    CloseAndSessionEnd, EndingMessageE2E,
    testing::Values(EndingMessage{"Close", WM_CLOSE, 0, 0},
                    EndingMessage{"RestartManager", WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP},
                    EndingMessage{"SignOut", WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF},
                    EndingMessage{"Shutdown", WM_ENDSESSION, TRUE, 0}),
    [](const testing::TestParamInfo<EndingMessage>& param) { return param.param.name; });

TEST_F(TrayE2E, AgreesToEndTheSessionAndRunsOnWhenTheEndingIsCancelled) {
    const HWND host = program_.Host();
    DWORD_PTR answer = FALSE;
    ASSERT_TRUE(SendMessageTimeoutW(host, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP,
                                    SMTO_ABORTIFHUNG, 10000, &answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    SendMessageTimeoutW(host, WM_ENDSESSION, FALSE, 0, SMTO_ABORTIFHUNG, 10000, &answer);
    EXPECT_FALSE(program_.WaitForExit(300));
    EXPECT_TRUE(TrayIconExists(host, kIconId));
    EXPECT_NE(OpenCheckWindow(), nullptr);
}

}  // namespace
}  // namespace morvane::e2e
