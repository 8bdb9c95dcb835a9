// The real Morvane.exe's check window: Check, the suggestion limit, Look-up, Copy and a
// missing dictionary.
#include <gtest/gtest.h>

#include <algorithm>

#include "program_driver.h"
#include "ui/check_window/check_window_layout.h"

namespace morvane::e2e {
namespace {

using Entries = std::vector<std::wstring>;
const Entries kNothingToSuggest{L"Word Not Found", L"No Suggestions :("};

class CheckWindowE2E : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(program_.Host(), nullptr);
        program_.LeftClick();
        window_ = program_.WaitForCheckWindow();
        ASSERT_NE(window_, nullptr);
    }

    ScenarioFolder folder_;
    RunningProgram program_{folder_};
    HWND window_ = nullptr;
};

TEST_F(CheckWindowE2E, FocusStartsInTheWordBox) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(WaitUntil([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info) &&
               info.hwndFocus != nullptr;
    }));
    EXPECT_EQ(info.hwndFocus, GetDlgItem(window_, kIdWordBox));
    EXPECT_EQ(info.hwndActive, window_);
}

TEST_F(CheckWindowE2E, ListsTheWordAsTypedWhenItIsFound) {
    EXPECT_EQ(CheckWordAndRead(window_, L"Hello"), Entries{L"Hello"});
    EXPECT_EQ(CheckWordAndRead(window_, L"hello!"), Entries{L"hello!"});
    EXPECT_EQ(CheckWordAndRead(window_, L"two words"), Entries{L"two words"});
    EXPECT_EQ(CheckWordAndRead(window_, L"  Paris"), Entries{L"  Paris"});
}

TEST_F(CheckWindowE2E, ListsRankedSuggestionsOrTheTwoFixedTexts) {
    EXPECT_EQ(CheckWordAndRead(window_, L"bda"), (Entries{L"bad", L"bed", L"bid", L"bud", L"bead"}));
    EXPECT_EQ(CheckWordAndRead(window_, L"recieve"), Entries{L"receive"});
    EXPECT_EQ(CheckWordAndRead(window_, L"qx"), kNothingToSuggest);
    EXPECT_EQ(CheckWordAndRead(window_, L"kat"), kNothingToSuggest);
    // Nothing is selected after a Check.
    EXPECT_EQ(SendMessageW(GetDlgItem(window_, kIdWordList), LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(CheckWindowE2E, BlankWordLeavesTheListAsItWas) {
    const Entries before = CheckWordAndRead(window_, L"bda");
    ASSERT_EQ(before.size(), 5u);
    EXPECT_EQ(CheckWordAndRead(window_, L""), before);
    EXPECT_EQ(CheckWordAndRead(window_, L"   "), before);
}

TEST_F(CheckWindowE2E, EnterInTheWordBoxPressesCheck) {
    const HWND wordBox = GetDlgItem(window_, kIdWordBox);
    SetWord(window_, L"bda");
    SetForegroundWindow(window_);
    PostMessageW(wordBox, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(wordBox, WM_KEYUP, VK_RETURN, 0);
    EXPECT_TRUE(WaitUntil([&] { return ListEntries(window_).size() == 5; }));
}

TEST_F(CheckWindowE2E, SuggestionLimitEditedInTheFileCountsAtTheNextCheck) {
    EXPECT_EQ(CheckWordAndRead(window_, L"bda").size(), 5u);
    folder_.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=2\r\n");
    EXPECT_EQ(CheckWordAndRead(window_, L"bda"), (Entries{L"bad", L"bed"}));
    folder_.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=0\r\n");
    EXPECT_EQ(CheckWordAndRead(window_, L"bda"), kNothingToSuggest);
    folder_.Remove(L"Settings.ini");  // absent: 10
    EXPECT_EQ(CheckWordAndRead(window_, L"bda").size(), 5u);
}

TEST_F(CheckWindowE2E, DoubleClickOpensTheEncodedSearchAddressAndNothingOnTheFixedTexts) {
    const std::wstring recorder = folder_.File(L"recorder.exe");
    ShellOpensWithRecorder shell(recorder);

    ASSERT_EQ(CheckWordAndRead(window_, L"qx"), kNothingToSuggest);
    DoubleClickEntry(window_, 0);
    DoubleClickEntry(window_, 1);
    ASSERT_EQ(CheckWordAndRead(window_, L"recieve"), Entries{L"receive"});
    DoubleClickEntry(window_, 0);
    SetWord(window_, L"");

    const auto lines = WaitForRecordedCommandLines(recorder);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("\"https://www.dictionary.com/search?q=receive\""), std::string::npos)
        << lines[0];
}

TEST_F(CheckWindowE2E, DoubleClickOnAnEntryWithSpacesAndSymbolsKeepsOneAddress) {
    const std::wstring recorder = folder_.File(L"recorder.exe");
    ShellOpensWithRecorder shell(recorder);
    // The list shows a word as typed when the screen finds it; this one carries the
    // characters that would otherwise split or change the address.
    ASSERT_EQ(CheckWordAndRead(window_, L"two \"words\" & #more"),
              Entries{L"two \"words\" & #more"});
    DoubleClickEntry(window_, 0);
    const auto lines = WaitForRecordedCommandLines(recorder);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(
                  "\"https://www.dictionary.com/search?q=two%20%22words%22%20%26%20%23more\""),
              std::string::npos)
        << lines[0];
}

TEST_F(CheckWindowE2E, CopyPutsTheSelectedEntryOnTheClipboard) {
    ASSERT_EQ(CheckWordAndRead(window_, L"recieve"), Entries{L"receive"});
    SendMessageW(GetDlgItem(window_, kIdWordList), LB_SETCURSEL, 0, 0);
    SendMessageW(GetDlgItem(window_, kIdCopy), BM_CLICK, 0, 0);

    ASSERT_TRUE(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }));
    std::wstring text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    EXPECT_EQ(text, L"receive");
}

TEST_F(CheckWindowE2E, PictureButtonsShowTheirPicturesAndCarryTheirNames) {
    const HWND check = GetDlgItem(window_, kIdCheck);
    const HWND copy = GetDlgItem(window_, kIdCopy);
    EXPECT_NE(SendMessageW(check, BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_NE(SendMessageW(copy, BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(WindowText(check), L"Check");
    EXPECT_EQ(WindowText(copy), L"Copy");
    const auto tips = TooltipTexts();
    EXPECT_NE(std::find(tips.begin(), tips.end(), L"Check"), tips.end());
    EXPECT_NE(std::find(tips.begin(), tips.end(), L"Copy"), tips.end());
    EXPECT_EQ(SendMessageW(window_, DM_GETDEFID, 0, 0), MAKELRESULT(kIdCheck, DC_HASDEFID));
    EXPECT_EQ(GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_APPWINDOW, WS_EX_APPWINDOW);
}

TEST_F(CheckWindowE2E, WindowIsCentredAndLaidOutAtTheScreensResolution) {
    const HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, MulDiv(2865, dotsPerInch, 1440));
    EXPECT_EQ(client.bottom, MulDiv(2310, dotsPerInch, 1440));

    RECT frame{};
    GetWindowRect(window_, &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);

    RECT list{};
    GetWindowRect(GetDlgItem(window_, kIdWordList), &list);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(list.left, MulDiv(60, dotsPerInch, 1440));
    EXPECT_EQ(list.top, MulDiv(1065, dotsPerInch, 1440));
}

TEST_F(CheckWindowE2E, UnloadedFromTheTrayWhileCheckYieldsTheProgramCarriesOn) {
    // Both wait in the program's queue: the click on Check runs first, and the tray click is
    // handled inside its yield, which destroys the window under the running Check.
    PressCheckLater(window_, L"bda");
    program_.LeftClick();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window_); }));
    EXPECT_FALSE(program_.WaitForExit(300));
    program_.LeftClick();
    const HWND again = program_.WaitForCheckWindow();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(CheckWordAndRead(again, L"bda").size(), 5u);
}

TEST(MissingDictionaryE2E, ToldThenTheWindowClosesAndWorksOnceTheFileIsBack) {
    ScenarioFolder folder;
    folder.Remove(L"Morvane.dictionary");
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr);

    program.LeftClick();
    const HWND box = program.WaitForMessageBox(L"Program functioning completely impaired!");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              L"The .dictionary file is missing.  Please rerun the program installation and "
              L"select repair to correct this missing file");
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    // The window shows and unloads itself at once.
    EXPECT_TRUE(program.WaitUntilNoCheckWindow());
    Sleep(300);
    EXPECT_EQ(program.CheckWindow(), nullptr);

    folder.Write(L"Morvane.dictionary", kTestDictionary);
    program.LeftClick();  // the flag was still set: this click unloads nothing
    Sleep(300);
    EXPECT_EQ(program.CheckWindow(), nullptr);
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CheckWordAndRead(window, L"hello"), Entries{L"hello"});
}

}  // namespace
}  // namespace morvane::e2e
