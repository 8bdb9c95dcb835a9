// The real Morvane.exe's tray menu: Show, Read Me, About, and Exit from inside the modal loops
// of the window shown from the menu and of the About dialog.
#include "program_test.h"

namespace morvane::e2e {
namespace {

using TrayMenuE2E = ProgramE2E;

// Show opens the window modally, again after its close box, and a left click still closes
// it; Read Me goes to the shell or is reported missing; Exit while About is open ends the
// program.
TEST_F(TrayMenuE2E, ShowReadMeAndAboutThenExitWhileAboutIsOpen) {
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kShow));
        const HWND window = program_.WaitForCheckWindow();
        ASSERT_NE(window, nullptr) << "waited for the check window shown from the menu";
        if (round == 0) {
            PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            EXPECT_EQ(CheckWordAndRead(window, L"Hello"), Entries{L"Hello"});
            program_.LeftClick();  // shown from the menu, the flag is set: the click unloads it
        }
        ASSERT_TRUE(program_.WaitUntilNoCheckWindow()) << "waited for the window to go";
    }

    const std::wstring recorder = folder_.File(L"recorder.exe");
    ShellOpensWithRecorder shell(recorder);
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kReadMe));
    const auto lines = WaitForRecordedCommandLines(recorder, program_.Host());
    ASSERT_EQ(lines.size(), 1u);
    // The path as the program forms it: its directory, then "\ReadMe.txt" (ASCII, as the log then is).
    const std::wstring readMe = folder_.File(L"ReadMe.txt");
    EXPECT_NE(lines[0].find(std::string(readMe.begin(), readMe.end())), std::string::npos) << lines[0];
    EXPECT_EQ(program_.ShownWindow(L"#32770", L"Corrupted Installation"), nullptr);
    folder_.Remove(L"ReadMe.txt");
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kReadMe));
    const HWND box = program_.WaitForMessageBox(L"Corrupted Installation");
    ASSERT_NE(box, nullptr) << "waited for the missing read-me's box";
    EXPECT_NE(GetDlgItem(box, 1088), nullptr);  // the information icon
    EXPECT_EQ(program_.AnswerMessageBox(L"Corrupted Installation"),
              L"The ReadMe.txt file is missing from your installation directory.\r\n"
              L"Rerun the installation program and choose \"repair\" to replace the file");
    EXPECT_EQ(WaitForRecordedCommandLines(recorder, program_.Host()).size(), 1u);

    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kAbout));
    const HWND about = program_.WaitForShownWindow(nullptr, L"About Morvane");
    ASSERT_NE(about, nullptr) << "waited for the About dialog";
    ExpectCentredWithFixedFrameAndCloseBoxOnly(about);
    for (const wchar_t* text : {L"Morvane", L"Version 1.0.0"})
        EXPECT_NE(FindWindowExW(about, nullptr, nullptr, text), nullptr) << "no label " << text;
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kExit));  // handled inside the dialog's loop
    EXPECT_TRUE(program_.WaitForExit()) << "waited for Exit to end the program";
    EXPECT_EQ(program_.ExitCode(), 0u);
}

TEST_F(TrayMenuE2E, ExitFromAMenuOpenedWhileTheWindowIsShownModallyEndsTheProgram) {
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kShow));
    ASSERT_NE(program_.WaitForCheckWindow(), nullptr) << "waited for the check window shown from the menu";
    const HWND host = program_.Host();
    ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(host, 125); })) << "waited for the icon";
    // The first menu's command is still running: this menu is handled inside its modal loop.
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kExit));
    EXPECT_TRUE(program_.WaitForExit()) << "waited for Exit to end the program";
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_FALSE(IsWindow(host));
    EXPECT_FALSE(TrayIconExists(host, 125));
}

}  // namespace
}  // namespace morvane::e2e
