// The real Morvane.exe's tray menu: Show, About, Read Me, Exit.
#include "program_test.h"

namespace morvane::e2e {
namespace {

// The scenario folders' paths are plain ASCII, as the recorder's UTF-8 log then is too.
std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

class TrayMenuE2E : public ProgramE2E {
protected:
    HWND OpenAbout() const {
        if (!program_.ChooseMenuItem(RunningProgram::kAbout)) return nullptr;
        return program_.WaitForShownWindow(nullptr, L"About Morvane");
    }
};

TEST_F(TrayMenuE2E, ShowOpensTheWindowModallyAgainAfterTheCloseBoxAndLeftClickStillClosesIt) {
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kShow));
    const HWND first = program_.WaitForCheckWindow();
    ASSERT_NE(first, nullptr);
    PostMessageW(first, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program_.WaitUntilNoCheckWindow());

    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kShow));
    const HWND window = program_.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CheckWordAndRead(window, L"Hello"), Entries{L"Hello"});
    // Shown from the menu, the flag is set: the next left click unloads it.
    program_.LeftClick();
    EXPECT_TRUE(program_.WaitUntilNoCheckWindow());
}

TEST_F(TrayMenuE2E, ExitFromAMenuOpenedWhileTheWindowIsShownModallyEndsTheProgram) {
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kShow));
    ASSERT_NE(program_.WaitForCheckWindow(), nullptr);
    const HWND host = program_.Host();
    ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(host, 125); }));
    // The first menu's command is still running: this menu is handled inside its modal loop.
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kExit));
    EXPECT_TRUE(program_.WaitForExit());
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_FALSE(IsWindow(host));
    EXPECT_FALSE(TrayIconExists(host, 125));
    EXPECT_TRUE(WaitUntil([] { return !TooltipShows(L"Morvane. Click to view"); }));
}

TEST_F(TrayMenuE2E, AboutIsCentredWithTitleAndVersionAndExitWhileItIsOpenEndsTheProgram) {
    const HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    RECT frame{};
    GetWindowRect(about, &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
    ExpectFixedFrameWithCloseBoxOnly(about);
    EXPECT_NE(FindChildWithText(about, L"Morvane"), nullptr);
    EXPECT_NE(FindChildWithText(about, L"Version 1.0.0"), nullptr);
    // The menu is handled inside the dialog's modal loop.
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kExit));
    EXPECT_TRUE(program_.WaitForExit());
    EXPECT_EQ(program_.ExitCode(), 0u);
}

TEST_F(TrayMenuE2E, ReadMeIsOpenedThroughTheShellOrReportedMissing) {
    const std::wstring recorder = folder_.File(L"recorder.exe");
    ShellOpensWithRecorder shell(recorder);
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kReadMe));
    const auto lines = WaitForRecordedCommandLines(recorder);
    ASSERT_EQ(lines.size(), 1u);
    // The path as the program forms it: its directory, then "\ReadMe.txt".
    EXPECT_NE(lines[0].find(Narrow(folder_.File(L"ReadMe.txt"))), std::string::npos) << lines[0];
    EXPECT_EQ(program_.ShownWindow(L"#32770", L"Corrupted Installation"), nullptr);

    folder_.Remove(L"ReadMe.txt");
    ASSERT_TRUE(program_.ChooseMenuItem(RunningProgram::kReadMe));
    const HWND box = program_.WaitForMessageBox(L"Corrupted Installation");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(GetDlgItem(box, 1088), nullptr);  // the information icon
    EXPECT_EQ(program_.AnswerMessageBox(L"Corrupted Installation"),
              L"The ReadMe.txt file is missing from your installation directory.\r\n"
              L"Rerun the installation program and choose \"repair\" to replace the file");
    EXPECT_FALSE(program_.WaitForExit(0));
    EXPECT_EQ(WaitForRecordedCommandLines(recorder).size(), 1u);
}

}  // namespace
}  // namespace morvane::e2e
