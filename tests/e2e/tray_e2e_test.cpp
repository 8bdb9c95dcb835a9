// The real Morvane.exe in the tray: start-up, the icon's clicks, the menu closed without a
// choice, a second instance, a taskbar restart, and the messages that end it from outside.
#include "program_test.h"

#include <shellapi.h>

namespace morvane::e2e {
namespace {

constexpr UINT kIconId = 125;

using TrayE2E = ProgramE2E;

// One run walks what the icon does before the program ends with its window shown: only the
// left button's release or a menu choice shows anything; left clicks show the window
// modeless and unload it; Show leaves a shown window as it is; after the close box the next
// click only clears the flag.
TEST_F(TrayE2E, WalksTheIconsClicksASecondInstanceATaskbarRestartAndExitWithTheWindowShown) {
    const HWND host = program_.Host();
    EXPECT_FALSE(IsWindowVisible(host));
    EXPECT_EQ(WindowText(host), L"Morvane");
    ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(host, kIconId); })) << "waited for the icon";
    // The notification area shows the tip up to its NUL: the padding spaces are not part of it.
    EXPECT_TRUE(WaitUntil([] { return TooltipShows(L"Morvane. Click to view"); })) << "waited for the icon's tip";
    for (const LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_RBUTTONDOWN})
        EXPECT_TRUE(program_.IconEventHandled(event)) << event;
    program_.RightClick();
    const HWND menu = program_.WaitForShownWindow(L"#32768", L"");
    ASSERT_NE(menu, nullptr) << "waited for the tray menu";
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !program_.ShownWindow(L"#32768", L""); })) << "waited for the menu to close";
    EXPECT_TRUE(program_.IconEventHandled(WM_MOUSEMOVE));
    EXPECT_EQ(program_.CheckWindow(), nullptr) << "the dismissed menu ran a command";
    EXPECT_EQ(program_.ShownWindow(nullptr, L"About Morvane"), nullptr) << "the dismissed menu ran a command";

    {
        RunningProgram second(folder_);
        EXPECT_TRUE(second.WaitForExit()) << "waited for a second instance to end";
        EXPECT_EQ(second.ExitCode(), 0u);
        EXPECT_EQ(second.Host(), nullptr);
    }
    // What a restarted taskbar finds: no icon of the program, and its broadcast.
    NOTIFYICONDATAW icon{};
    icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
    icon.hWnd = host;
    icon.uID = kIconId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    PostMessageW(host, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(host, kIconId); })) << "waited for the icon to come back";

    HWND window = OpenCheckWindow();
    ASSERT_NE(window, nullptr) << "waited for the check window";
    EXPECT_EQ(CheckWordAndRead(window, L"zebra"), kNothingToSuggest);
    program_.LeftClick();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); })) << "waited for the window to be unloaded";

    // The third click loads the window again, empty, and so reads the file again.
    folder_.Write(L"Morvane.dictionary", std::string(kTestDictionary) + "\r\nzebra");
    window = OpenCheckWindow();
    ASSERT_NE(window, nullptr) << "waited for the check window";
    EXPECT_TRUE(ListEntries(window).empty());
    EXPECT_EQ(WindowText(GetDlgItem(window, kIdWordBox)), L"");
    EXPECT_EQ(CheckWordAndRead(window, L"zebra"), Entries{L"zebra"});
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kShow));
    EXPECT_TRUE(WaitUntil([&] { return !program_.ShownWindow(L"#32768", L""); })) << "waited for the menu to close";
    EXPECT_TRUE(program_.IconEventHandled(WM_MOUSEMOVE));
    EXPECT_EQ(program_.CheckWindow(), window);
    EXPECT_EQ(WindowText(GetDlgItem(window, kIdWordBox)), L"zebra");
    EXPECT_EQ(ListEntries(window), Entries{L"zebra"});
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); })) << "waited for the close box to unload the window";
    EXPECT_TRUE(program_.IconEventHandled(WM_LBUTTONUP));  // unloads nothing, clears the flag
    EXPECT_EQ(program_.CheckWindow(), nullptr);

    ASSERT_NE(OpenCheckWindow(), nullptr) << "waited for the check window";
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kExit));
    EXPECT_TRUE(program_.WaitForExit()) << "waited for Exit to end the program";
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_FALSE(TrayIconExists(host, kIconId));
    EXPECT_TRUE(WaitUntil([] { return !TooltipShows(L"Morvane. Click to view"); })) << "waited for the tip to go";
}

// What installers, the Restart Manager and a sign-out send: the program agrees to end the
// session, runs on when the ending is cancelled, and ends as Exit ends it otherwise.
TEST(EndingE2E, CancelledSessionEndLeavesItRunningAndEveryEndingMessageEndsIt) {
    const struct {
        const char* name;
        UINT message;
        WPARAM first;
        LPARAM last;
    } endings[] = {{"WM_CLOSE", WM_CLOSE, 0, 0},
                   {"Restart Manager", WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP},
                   {"sign-out", WM_ENDSESSION, TRUE, static_cast<LPARAM>(ENDSESSION_LOGOFF)},
                   {"shutdown", WM_ENDSESSION, TRUE, 0}};
    ScenarioFolder folder;
    for (const auto& ending : endings) {
        RunningProgram program(folder);
        const HWND host = program.Host();
        ASSERT_NE(host, nullptr) << "waited for the host window";
        ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(host, kIconId); })) << "waited for the icon";
        DWORD_PTR answer = FALSE;
        if (ending.message == WM_CLOSE) {  // once: the session's end asked, then cancelled
            ASSERT_TRUE(SendMessageTimeoutW(host, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG,
                                            kPatience, &answer));
            EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
            SendMessageTimeoutW(host, WM_ENDSESSION, FALSE, 0, SMTO_ABORTIFHUNG, kPatience, &answer);
            EXPECT_FALSE(program.WaitForExit(300)) << "ended although the session's end was cancelled";
            EXPECT_TRUE(TrayIconExists(host, kIconId));
        }
        program.LeftClick();
        ASSERT_NE(program.WaitForCheckWindow(), nullptr) << "waited for the check window";
        SendMessageTimeoutW(host, ending.message, ending.first, ending.last, SMTO_ABORTIFHUNG, kPatience, &answer);
        EXPECT_TRUE(program.WaitForExit()) << "waited for the program to end after " << ending.name;
        EXPECT_EQ(program.ExitCode(), 0u) << ending.name;
        EXPECT_FALSE(TrayIconExists(host, kIconId)) << ending.name;
    }
}

}  // namespace
}  // namespace morvane::e2e
