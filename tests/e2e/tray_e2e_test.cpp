// The real Morvane.exe in the tray: start-up, the icon's clicks, the menu closed without a
// choice, a second instance, a taskbar restart, and the messages that end it from outside.
#include "program_test.h"

#include <shellapi.h>

namespace morvane::e2e {
namespace {

constexpr UINT kIconId = 125;

using TrayE2E = ProgramE2E;

TEST_F(TrayE2E, StartsSilentlyAndOnlyTheLeftButtonsReleaseOrAMenuChoiceShowsAnything) {
    EXPECT_FALSE(IsWindowVisible(program_.Host()));
    EXPECT_EQ(WindowText(program_.Host()), L"Morvane");
    EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(program_.Host(), kIconId); }));
    // The notification area shows the tip up to its NUL: the padding spaces are not part of it.
    EXPECT_TRUE(WaitUntil([] { return TooltipShows(L"Morvane. Click to view"); }));
    for (const LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_RBUTTONDOWN}) {
        EXPECT_TRUE(program_.IconEventHandled(event)) << event;
    }
    // The menu closed without a choice runs no command.
    program_.RightClick();
    const HWND menu = program_.WaitForShownWindow(L"#32768", L"");
    ASSERT_NE(menu, nullptr);
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !program_.ShownWindow(L"#32768", L""); }));
    EXPECT_TRUE(program_.IconEventHandled(WM_MOUSEMOVE));
    EXPECT_EQ(program_.CheckWindow(), nullptr);
    EXPECT_EQ(program_.ShownWindow(nullptr, L"About Morvane"), nullptr);
    EXPECT_FALSE(program_.WaitForExit(0));
}

TEST_F(TrayE2E, SecondInstanceEndsAtOnceAndLeavesTheFirstAlone) {
    RunningProgram second(folder_);
    EXPECT_TRUE(second.WaitForExit());
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_EQ(second.Host(), nullptr);
    EXPECT_FALSE(program_.WaitForExit(0));
    EXPECT_TRUE(TrayIconExists(program_.Host(), kIconId));
    EXPECT_NE(OpenCheckWindow(), nullptr);
}

// Left clicks show the window modeless and unload it; Show from the menu leaves a shown
// window as it is; Exit ends the program with the window shown.
TEST_F(TrayE2E, LeftClicksToggleTheWindowShowKeepsItAndExitEndsTheProgram) {
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
    EXPECT_EQ(WindowText(GetDlgItem(window, kIdWordBox)), L"");
    EXPECT_EQ(CheckWordAndRead(window, L"zebra"), Entries{L"zebra"});

    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kShow));
    EXPECT_TRUE(WaitUntil([&] { return !program_.ShownWindow(L"#32768", L""); }));
    EXPECT_TRUE(program_.IconEventHandled(WM_MOUSEMOVE));
    EXPECT_EQ(program_.CheckWindow(), window);
    EXPECT_EQ(WindowText(GetDlgItem(window, kIdWordBox)), L"zebra");
    EXPECT_EQ(ListEntries(window), Entries{L"zebra"});
    program_.LeftClick();  // the flag is still set: the click unloads it
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));

    ASSERT_NE(OpenCheckWindow(), nullptr);
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kExit));
    EXPECT_TRUE(program_.WaitForExit());
    EXPECT_EQ(program_.ExitCode(), 0u);
}

TEST_F(TrayE2E, AfterTheCloseBoxTheNextClickShowsNothingAndTheOneAfterShowsTheWindow) {
    const HWND window = OpenCheckWindow();
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));  // unloaded, not hidden
    // Unloads a window that is not loaded, and clears the flag.
    EXPECT_TRUE(program_.IconEventHandled(WM_LBUTTONUP));
    EXPECT_EQ(program_.CheckWindow(), nullptr);
    EXPECT_NE(OpenCheckWindow(), nullptr);
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
                        SMTO_ABORTIFHUNG, kPatience, &answer);
    EXPECT_TRUE(program_.WaitForExit()) << "waited for the program to end";
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_FALSE(TrayIconExists(host, kIconId));
}

INSTANTIATE_TEST_SUITE_P(
    CloseAndSessionEnd, EndingMessageE2E,
    testing::Values(EndingMessage{"Close", WM_CLOSE, 0, 0},
                    EndingMessage{"RestartManager", WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP},
                    EndingMessage{"SignOut", WM_ENDSESSION, TRUE, static_cast<LPARAM>(ENDSESSION_LOGOFF)},
                    EndingMessage{"Shutdown", WM_ENDSESSION, TRUE, 0}),
    [](const testing::TestParamInfo<EndingMessage>& param) { return param.param.name; });

TEST_F(TrayE2E, AgreesToEndTheSessionAndRunsOnWhenTheEndingIsCancelled) {
    const HWND host = program_.Host();
    DWORD_PTR answer = FALSE;
    ASSERT_TRUE(SendMessageTimeoutW(host, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP,
                                    SMTO_ABORTIFHUNG, kPatience, &answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    SendMessageTimeoutW(host, WM_ENDSESSION, FALSE, 0, SMTO_ABORTIFHUNG, kPatience, &answer);
    EXPECT_FALSE(program_.WaitForExit(300));
    EXPECT_TRUE(TrayIconExists(host, kIconId));
    EXPECT_NE(OpenCheckWindow(), nullptr);
}

}  // namespace
}  // namespace morvane::e2e
