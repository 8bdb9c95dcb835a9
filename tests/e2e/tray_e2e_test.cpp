// The real Morvane.exe in the tray: the icon's clicks, its menu (Show, Read Me, About, Exit,
// or closed without a choice), a second instance, a taskbar restart, and every way it ends.
#include "program_test.h"

namespace morvane::e2e {
namespace {

using TrayE2E = ProgramE2E;

// One run walks the icon and its menu as a user would: only the left button's release or a
// menu choice shows anything; left clicks show the window modeless and unload it; Show
// leaves a shown window as it is and otherwise shows it modally; after the close box the
// next click only clears the flag; About opens centred with the program's version. (Exit: the
// endings below.)
TEST_F(TrayE2E, WalksTheIconsClicksAndMenuASecondInstanceATaskbarRestartReadMeAndAbout) {
    const HWND host = program_.Host();
    EXPECT_FALSE(IsWindowVisible(host));
    EXPECT_EQ(WindowText(host), L"Morvane");
    ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(host); })) << "waited for the icon";
    for (const LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_RBUTTONDOWN})
        EXPECT_TRUE(program_.IconEventHandled(event)) << event;
    program_.RightClick();
    ASSERT_NE(program_.WaitForShownWindow(L"#32768", L""), nullptr) << "waited for the tray menu";
    PostMessageW(program_.ShownMenu(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !program_.ShownMenu(); })) << "waited for the menu to close";
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
    ASSERT_TRUE(TrayIconCall(host, NIM_DELETE));
    PostMessageW(host, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconExists(host); })) << "waited for the icon to come back";

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
    EXPECT_TRUE(WaitUntil([&] { return !program_.ShownMenu(); })) << "waited for the menu to close";
    EXPECT_TRUE(program_.IconEventHandled(WM_MOUSEMOVE));
    EXPECT_EQ(program_.CheckWindow(), window);
    EXPECT_EQ(WindowText(GetDlgItem(window, kIdWordBox)), L"zebra");
    EXPECT_EQ(ListEntries(window), Entries{L"zebra"});
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); })) << "waited for the close box to unload the window";
    EXPECT_TRUE(program_.IconEventHandled(WM_LBUTTONUP));  // unloads nothing, clears the flag
    EXPECT_EQ(program_.CheckWindow(), nullptr);

    // Show opens the window modally, again after its close box, and a left click still closes it.
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kShow));
        window = program_.WaitForCheckWindow();
        ASSERT_NE(window, nullptr) << "waited for the check window shown from the menu";
        if (round == 0) {
            PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            EXPECT_EQ(CheckWordAndRead(window, L"Hello"), Entries{L"Hello"});
            program_.LeftClick();  // shown from the menu, the flag is set: the click unloads it
        }
        ASSERT_TRUE(program_.WaitUntilNoCheckWindow()) << "waited for the window to go";
    }

    // Read Me goes to the shell, or is reported missing.
    {
        const ShellOpensWithRecorder shell(folder_);
        ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kReadMe));
        const auto lines = shell.WaitForCommandLines(host);
        ASSERT_EQ(lines.size(), 1u);
        // The path as the program forms it: its directory, then "\ReadMe.txt".
        EXPECT_NE(lines[0].find(folder_ / L"ReadMe.txt"), std::wstring::npos) << lines[0];
        EXPECT_EQ(program_.ShownWindow(kDialogClass, L"Corrupted Installation"), nullptr);
        folder_.Remove(L"ReadMe.txt");
        ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kReadMe));
        const HWND box = program_.WaitForShownWindow(kDialogClass, L"Corrupted Installation");
        ASSERT_NE(box, nullptr) << "waited for the missing read-me's box";
        EXPECT_NE(GetDlgItem(box, 1088), nullptr);  // the information icon
        EXPECT_EQ(program_.AnswerMessageBox(L"Corrupted Installation"),
                  L"The ReadMe.txt file is missing from your installation directory.\r\n"
                  L"Rerun the installation program and choose \"repair\" to replace the file");
        EXPECT_EQ(shell.WaitForCommandLines(host).size(), 1u);
    }

    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kAbout));
    const HWND about = program_.WaitForShownWindow(nullptr, L"About Morvane");
    ASSERT_NE(about, nullptr) << "waited for the About dialog";
    ExpectCentredWithFixedFrameAndCloseBoxOnly(about);
    EXPECT_NE(FindWindowExW(about, nullptr, nullptr, L"Version 1.0.0"), nullptr) << "the program's own version";
}

// Exit and what installers, the Restart Manager and a sign-out send, with the check window
// shown either way and About or the missing read-me's box open over it: the program agrees to
// end the session and runs on when the ending is cancelled. Exit leaves About or the box open
// until the user closes it, then the program ends; the others end everything at once.
TEST(EndingE2E, ExitLeavesAnOpenAboutOrBoxUntilClosedButEveryEndingMessageEndsEverythingAtOnce) {
    constexpr UINT kMenuExit = 0;
    constexpr const wchar_t* kAbout = L"About Morvane";
    constexpr const wchar_t* kReadMeBox = L"Corrupted Installation";  // ReadMe.txt is missing
    const struct {
        const char* name;
        bool shownFromMenu;    // the check window shown modally by Show, else by a left click
        const wchar_t* open;   // the caption of what a later tray command shows over it, if any
        UINT message;
        WPARAM first;
        LPARAM last;
    } endings[] = {{"Exit with About open over the modal window", true, kAbout, kMenuExit, 0, 0},  // nested loops
                   {"Exit with the read-me's box open", false, kReadMeBox, kMenuExit, 0, 0},
                   {"Exit with About open", false, kAbout, kMenuExit, 0, 0},
                   {"WM_CLOSE with About open", false, kAbout, WM_CLOSE, 0, 0},
                   {"Restart Manager with the box open", false, kReadMeBox, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP},
                   {"sign-out with About open over the modal window", true, kAbout, WM_ENDSESSION, TRUE,
                    static_cast<LPARAM>(ENDSESSION_LOGOFF)},
                   {"shutdown", false, nullptr, WM_ENDSESSION, TRUE, 0}};
    ScenarioFolder folder;
    folder.Remove(L"ReadMe.txt");
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.name);
        RunningProgram program(folder);
        const HWND host = program.Host();
        ASSERT_NE(host, nullptr) << "waited for the host window";
        ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(host); })) << "waited for the icon";
        DWORD_PTR answer = FALSE;
        if (ending.message == WM_CLOSE) {  // once: the session's end asked, then cancelled
            ASSERT_TRUE(SendMessageTimeoutW(host, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG,
                                            kPatience, &answer));
            EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
            SendMessageTimeoutW(host, WM_ENDSESSION, FALSE, 0, SMTO_ABORTIFHUNG, kPatience, &answer);
            EXPECT_TRUE(program.IconEventHandled(WM_MOUSEMOVE));
            EXPECT_FALSE(program.WaitForExit(0)) << "ended although the session's end was cancelled";
            EXPECT_TRUE(TrayIconExists(host));
        }
        if (ending.shownFromMenu) ASSERT_TRUE(program.ChooseMenuItem(RunningProgram::kShow));
        else program.LeftClick();
        ASSERT_NE(program.WaitForCheckWindow(), nullptr) << "waited for the check window";
        HWND open = nullptr;
        if (ending.open) {
            const int item = ending.open == kAbout ? RunningProgram::kAbout : RunningProgram::kReadMe;
            ASSERT_TRUE(program.ChooseMenuItem(item));
            open = program.WaitForShownWindow(kDialogClass, ending.open);
            ASSERT_NE(open, nullptr) << "waited for About or the box";
        }
        if (ending.message != kMenuExit) {
            SendMessageTimeoutW(host, ending.message, ending.first, ending.last, SMTO_ABORTIFHUNG, kPatience, &answer);
        } else {
            // The icon, the host and the check window go at once; About or the box stays.
            ASSERT_TRUE(program.ChooseMenuItem(RunningProgram::kExit));
            EXPECT_TRUE(WaitUntil([&] { return !IsWindow(host); })) << "waited for Exit to destroy the host";
            EXPECT_FALSE(TrayIconExists(host));
            EXPECT_EQ(program.CheckWindow(), nullptr);
            WaitUntilIdle(open);
            EXPECT_TRUE(IsWindowVisible(open)) << "Exit closed a window the user had open";
            EXPECT_FALSE(program.WaitForExit(0)) << "Exit ended the program under an open window";
            PostMessageW(open, WM_COMMAND, IDOK, 0);  // About's OK, the box's OK
        }
        EXPECT_TRUE(program.WaitForExit()) << "waited for the program to end";
        EXPECT_EQ(program.ExitCode(), 0u);
        EXPECT_FALSE(TrayIconExists(host));
    }
}

}  // namespace
}  // namespace morvane::e2e
