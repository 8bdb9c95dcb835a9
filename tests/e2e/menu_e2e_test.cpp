// The real Morvane.exe's tray menu: Show, About with System Information, Read Me.
#include <gtest/gtest.h>

#include "program_driver.h"

namespace morvane::e2e {
namespace {

constexpr int kShow = 1, kAbout = 2, kReadMe = 3;

// The scenario folders' paths are plain ASCII, as the recorder's UTF-8 log then is too.
std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text) narrow += static_cast<char>(c);
    return narrow;
}

class TrayMenuE2E : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(program_.Host(), nullptr); }

    HWND OpenAbout() const {
        if (!program_.ChooseMenuItem(kAbout)) return nullptr;
        return program_.WaitForWindow(nullptr, L"About Morvane");
    }

    ScenarioFolder folder_;
    RunningProgram program_{folder_};
};

TEST_F(TrayMenuE2E, ShowOpensTheCheckWindowAndLeftClickStillClosesIt) {
    ASSERT_TRUE(program_.ChooseMenuItem(kShow));
    const HWND window = program_.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CheckWordAndRead(window, L"Hello"), std::vector<std::wstring>{L"Hello"});
    // Shown from the menu, the flag is set: the next left click unloads it.
    program_.LeftClick();
    EXPECT_TRUE(program_.WaitUntilNoCheckWindow());
}

TEST_F(TrayMenuE2E, ShowLeavesAWindowThatIsAlreadyShownUnchanged) {
    program_.LeftClick();
    const HWND window = program_.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);
    SetWord(window, L"kept");
    ASSERT_TRUE(program_.ChooseMenuItem(kShow));
    Sleep(300);
    EXPECT_EQ(program_.CheckWindow(), window);
    EXPECT_EQ(WindowText(GetDlgItem(window, 1001)), L"kept");
}

TEST_F(TrayMenuE2E, ShowAfterTheCloseBoxShowsTheWindowAgain) {
    program_.LeftClick();
    const HWND first = program_.WaitForCheckWindow();
    ASSERT_NE(first, nullptr);
    PostMessageW(first, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program_.WaitUntilNoCheckWindow());
    ASSERT_TRUE(program_.ChooseMenuItem(kShow));
    EXPECT_NE(program_.WaitForCheckWindow(), nullptr);
}

TEST_F(TrayMenuE2E, ExitFromAMenuOpenedWhileTheWindowIsShownModallyEndsTheProgram) {
    ASSERT_TRUE(program_.ChooseMenuItem(kShow));
    ASSERT_NE(program_.WaitForCheckWindow(), nullptr);
    const HWND host = program_.Host();
    // The first menu's command is still running: this menu is handled inside its modal loop.
    ASSERT_TRUE(program_.ChooseMenuItem(4));
    EXPECT_TRUE(program_.WaitForExit(5000));
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_FALSE(TrayIconExists(host, 125));
}

TEST_F(TrayMenuE2E, AboutIsCentredWithTitleAndVersion) {
    const HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    RECT frame{};
    GetWindowRect(about, &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
    EXPECT_NE(FindChildWithText(about, L"Morvane"), nullptr);
    EXPECT_NE(FindChildWithText(about, L"Version 1.0.0"), nullptr);

    const HWND ok = FindChildWithText(about, L"OK");
    ASSERT_NE(ok, nullptr);
    PostMessageW(ok, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
}

TEST_F(TrayMenuE2E, ReadMeIsOpenedThroughTheShell) {
    const std::wstring recorder = folder_.File(L"recorder.exe");
    ShellOpensWithRecorder shell(recorder);
    ASSERT_TRUE(program_.ChooseMenuItem(kReadMe));
    const auto lines = WaitForRecordedCommandLines(recorder);
    ASSERT_EQ(lines.size(), 1u);
    // The path as the program forms it: its directory, then "\ReadMe.txt".
    const HWND box = program_.FindWindowNamed(L"#32770", L"Corrupted Installation");
    EXPECT_EQ(box, nullptr);
    EXPECT_NE(lines[0].find(Narrow(folder_.File(L"ReadMe.txt"))), std::string::npos) << lines[0];
}

TEST_F(TrayMenuE2E, MissingReadMeIsReportedAsACorruptedInstallation) {
    folder_.Remove(L"ReadMe.txt");
    ASSERT_TRUE(program_.ChooseMenuItem(kReadMe));
    const HWND box = program_.WaitForMessageBox(L"Corrupted Installation");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              L"The ReadMe.txt file is missing from your installation directory.\r\n"
              L"Rerun the installation program and choose \"repair\" to replace the file");
    EXPECT_NE(GetDlgItem(box, 1088), nullptr);  // the information icon
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_FALSE(program_.WaitForExit(0));
}

constexpr wchar_t kFirstEntryKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr wchar_t kSecondEntryKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";

TEST_F(TrayMenuE2E, SystemInformationStartsThePathOfTheFirstEntry) {
    const std::wstring tool = folder_.CopyRecorderAs(L"first tool.exe");
    RegistryValueOverride first(HKEY_LOCAL_MACHINE, kFirstEntryKey, L"PATH", tool);
    RegistryValueOverride second(HKEY_LOCAL_MACHINE, kSecondEntryKey, L"MSINFO", std::nullopt);
    const HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    PostMessageW(FindChildWithText(about, L"&System Info..."), BM_CLICK, 0, 0);
    const auto lines = WaitForRecordedCommandLines(tool);
    ASSERT_EQ(lines.size(), 1u);
    // The path has a space: started as one program, not as "first" with an argument.
    EXPECT_NE(lines[0].find(Narrow(tool)), std::string::npos) << lines[0];
    EXPECT_EQ(program_.WaitForMessageBox(L"Morvane", 300), nullptr);
}

TEST_F(TrayMenuE2E, SystemInformationFallsBackToTheSecondEntrysFolder) {
    folder_.CopyRecorderAs(L"MSINFO32.EXE");
    RegistryValueOverride first(HKEY_LOCAL_MACHINE, kFirstEntryKey, L"PATH", std::nullopt);
    RegistryValueOverride second(HKEY_LOCAL_MACHINE, kSecondEntryKey, L"MSINFO", folder_.Path());
    const HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    PostMessageW(FindChildWithText(about, L"&System Info..."), BM_CLICK, 0, 0);
    const auto lines = WaitForRecordedCommandLines(folder_.File(L"MSINFO32.EXE"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(Narrow(folder_.File(L"MSINFO32.EXE"))), std::string::npos) << lines[0];
}

TEST_F(TrayMenuE2E, SystemInformationWithNeitherEntryIsUnavailable) {
    RegistryValueOverride first(HKEY_LOCAL_MACHINE, kFirstEntryKey, L"PATH", std::nullopt);
    RegistryValueOverride second(HKEY_LOCAL_MACHINE, kSecondEntryKey, L"MSINFO", std::nullopt);
    const HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    PostMessageW(FindChildWithText(about, L"&System Info..."), BM_CLICK, 0, 0);
    const HWND box = program_.WaitForMessageBox(L"Morvane");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"System Information Is Unavailable At This Time");
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(IsWindow(about));  // the dialog stays open
}

}  // namespace
}  // namespace morvane::e2e
