// The real Morvane.exe's check window: its layout, Check, the suggestion limit and the
// settings value it refuses, Look-up, Copy, and a dictionary that is missing or cannot be read.
#include <tuple>
#include <utility>

#include "program_test.h"
#include "ui/check_window/check_window_layout.h"

namespace morvane::e2e {
namespace {

const Entries kTwoSuggestions{L"bad", L"bed"};  // for "bda" with a limit of 2

std::tuple<LONG, LONG, LONG, LONG> PixelsOf(const TwipsRect& twips, int dotsPerInch) {
    return {TwipsToPixels(twips.left, dotsPerInch), TwipsToPixels(twips.top, dotsPerInch),
            TwipsToPixels(twips.width, dotsPerInch), TwipsToPixels(twips.height, dotsPerInch)};
}

class CheckWindowE2E : public ProgramE2E {
protected:
    void SetUp() override {
        ProgramE2E::SetUp();
        if (HasFatalFailure()) return;
        window_ = OpenCheckWindow();
        ASSERT_NE(window_, nullptr) << "waited for the check window";
    }
    HWND window_ = nullptr;
};

TEST_F(CheckWindowE2E, OpensFocusedCentredAndLaidOutAtTheScreensResolutionAndEnterPressesCheck) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(WaitUntil([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info) && info.hwndFocus != nullptr;
    })) << "waited for the focus";
    EXPECT_EQ(info.hwndFocus, GetDlgItem(window_, kIdWordBox));
    EXPECT_EQ(info.hwndActive, window_);
    EXPECT_EQ(SendMessageW(window_, DM_GETDEFID, 0, 0), MAKELRESULT(kIdCheck, DC_HASDEFID));
    EXPECT_EQ(GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_APPWINDOW, WS_EX_APPWINDOW);
    ExpectCentredWithFixedFrameAndCloseBoxOnly(window_);
    // The picture-only buttons carry their names, for screen readers, and tooltips.
    for (const auto& [id, name] : {std::pair(kIdCheck, L"Check"), std::pair(kIdCopy, L"Copy")}) {
        EXPECT_NE(SendMessageW(GetDlgItem(window_, id), BM_GETIMAGE, IMAGE_BITMAP, 0), 0) << name;
        EXPECT_EQ(WindowText(GetDlgItem(window_, id)), name);
        EXPECT_TRUE(TooltipShows(name)) << name;
    }
    const HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(PixelsOf({0, 0, kClientWidthTwips, kClientHeightTwips}, dotsPerInch),
              std::tuple(client.left, client.top, client.right, client.bottom));
    // Every control in its place, made in tab order.
    HWND child = GetWindow(window_, GW_CHILD);
    for (const FormControl& control : kCheckWindowControls) {
        while (child && !GetDlgCtrlID(child)) child = GetWindow(child, GW_HWNDNEXT);  // tooltips
        ASSERT_EQ(child, GetDlgItem(window_, control.id)) << control.id;
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(std::tuple(place.left, place.top, place.right - place.left, place.bottom - place.top),
                  PixelsOf(control.place, dotsPerInch)) << control.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }

    SetWord(window_, L"bda");
    SetForegroundWindow(window_);
    PostMessageW(GetDlgItem(window_, kIdWordBox), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(GetDlgItem(window_, kIdWordBox), WM_KEYUP, VK_RETURN, 0);
    EXPECT_TRUE(WaitUntil([&] { return ListEntries(window_) == kFiveSuggestions; })) << "waited for Enter to check";
}

// Checks with the limits edited in the file between them, then Look-up, Copy, and the window
// unloaded from the tray while a Check yields.
TEST_F(CheckWindowE2E, ListsWordsOrSuggestionsUpToTheLimitAndLooksUpAndCopiesTheSelectedEntry) {
    const std::tuple<const char*, const wchar_t*, Entries> checks[] = {
        {"10", L"Hello", {L"Hello"}}, {"10", L"hello!", {L"hello!"}}, {"10", L"two words", {L"two words"}},
        {"10", L"  Paris", {L"  Paris"}}, {"10", L"bda", kFiveSuggestions},
        {"10", L"", kFiveSuggestions}, {"10", L"   ", kFiveSuggestions},  // blank: the list stays as it was
        {"10", L"recieve", {L"receive"}}, {"10", L"qx", kNothingToSuggest}, {"10", L"kat", kNothingToSuggest},
        {"2", L"bda", kTwoSuggestions}, {"0", L"bda", kNothingToSuggest}, {"2.5", L"bda", kTwoSuggestions},
        {"3.5", L"bda", {L"bad", L"bed", L"bid", L"bud"}},  // half to even
        {nullptr, L"bda", kFiveSuggestions}};                  // no file: 10
    for (const auto& [limit, word, expected] : checks) {
        if (!limit) folder_.Remove(L"Settings.ini");
        else folder_.Write(L"Settings.ini", std::string("[Options]\r\nMaxSuggestions=") + limit);
        EXPECT_EQ(CheckWordAndRead(window_, word), expected) << word << " with the limit " << (limit ? limit : "absent");
    }
    EXPECT_EQ(SendMessageW(GetDlgItem(window_, kIdWordList), LB_GETCURSEL, 0, 0), LB_ERR) << "selected after a Check";

    const std::wstring recorder = folder_.File(L"recorder.exe");
    {
        ShellOpensWithRecorder shell(recorder);
        ASSERT_EQ(CheckWordAndRead(window_, L"qx"), kNothingToSuggest);
        DoubleClickEntry(window_, 0);  // the fixed texts are not looked up
        DoubleClickEntry(window_, 1);
        ASSERT_EQ(CheckWordAndRead(window_, L"recieve"), Entries{L"receive"});
        DoubleClickEntry(window_, -1);  // nothing selected: the address with an empty value
        DoubleClickEntry(window_, 0);
        // Found words are listed as typed: these characters would otherwise split or change the address.
        const std::wstring symbols = L"two \"words\" & #more";
        ASSERT_EQ(CheckWordAndRead(window_, symbols), Entries{symbols});
        DoubleClickEntry(window_, 0);
        const auto lines = WaitForRecordedCommandLines(recorder, window_, 3);
        ASSERT_EQ(lines.size(), 3u);
        const std::string log = lines[0] + "\n" + lines[1] + "\n" + lines[2];
        for (const char* query : {"", "receive", "two%20%22words%22%20%26%20%23more"})
            EXPECT_NE(log.find("\"https://www.dictionary.com/search?q=" + std::string(query) + "\""), std::string::npos)
                << query << " in " << log;
    }

    ASSERT_EQ(CheckWordAndRead(window_, L"recieve"), Entries{L"receive"});
    SendMessageW(GetDlgItem(window_, kIdWordList), LB_SETCURSEL, 0, 0);
    SendMessageW(GetDlgItem(window_, kIdCopy), BM_CLICK, 0, 0);
    EXPECT_EQ(ClipboardText(), L"receive");

    // Both wait in the program's queue: the click on Check runs first, and the tray click is
    // handled inside its yield, which destroys the window under the running Check.
    PressCheckLater(window_, L"bda");
    program_.LeftClick();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window_); })) << "waited for the window to be unloaded";
    EXPECT_FALSE(program_.WaitForExit(300)) << "the program ended with the window unloaded under its Check";
    const HWND again = OpenCheckWindow();
    ASSERT_NE(again, nullptr) << "waited for the check window";
    EXPECT_EQ(CheckWordAndRead(again, L"bda"), kFiveSuggestions);
}

TEST(SettingsE2E, RefusedLimitIsToldOnceForEachValueAndThePreviousLimitStays) {
    ScenarioFolder folder;
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=40000\r\n");
    RunningProgram program(folder);
    const auto atStartUp = program.AnswerMessageBox(L"Morvane");
    ASSERT_TRUE(atStartUp) << "waited for the notice at start-up";
    EXPECT_NE(atStartUp->find(L"MaxSuggestions=\"40000\""), std::wstring::npos) << *atStartUp;
    EXPECT_NE(atStartUp->find(folder.File(L"Settings.ini")), std::wstring::npos) << *atStartUp;
    ASSERT_NE(program.Host(), nullptr);
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr) << "waited for the check window";
    // The same value at Check: told already, so no box; the start-up limit, 10, is used.
    PressCheckLater(window, L"bda");
    EXPECT_TRUE(WaitUntil([&] { return ListEntries(window) == kFiveSuggestions; })) << "waited for the Check";
    EXPECT_EQ(program.WaitForMessageBox(L"Morvane", 300), nullptr);

    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=2\r\n");
    EXPECT_EQ(CheckWordAndRead(window, L"bda"), kTwoSuggestions);
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=abc\r\n");
    PressCheckLater(window, L"bda");
    const auto atCheck = program.AnswerMessageBox(L"Morvane");
    ASSERT_TRUE(atCheck) << "waited for the notice at Check";
    EXPECT_NE(atCheck->find(L"MaxSuggestions=\"abc\""), std::wstring::npos) << *atCheck;
    EXPECT_EQ(CheckWordAndRead(window, L"bda"), kTwoSuggestions);  // told already: no box
}

// A folder in place of the dictionary passes the file test but cannot be read; once it is
// gone the file is missing, and once it is back the window opens.
TEST(DictionaryE2E, UnreadableOrMissingIsToldAndTheWindowClosesUntilTheFileIsBack) {
    ScenarioFolder folder;
    const std::wstring dictionary = folder.File(L"Morvane.dictionary");
    folder.Remove(L"Morvane.dictionary");
    ASSERT_TRUE(CreateDirectoryW(dictionary.c_str(), nullptr));
    RunningProgram program(folder);
    ASSERT_NE(program.Host(), nullptr) << "waited for the host window";

    program.LeftClick();
    const auto unreadable = program.AnswerMessageBox(L"Morvane");
    ASSERT_TRUE(unreadable) << "waited for the unreadable dictionary's box";
    EXPECT_FALSE(unreadable->empty());
    EXPECT_TRUE(program.WaitUntilNoCheckWindow());

    RemoveDirectoryW(dictionary.c_str());
    program.LeftClick();  // the flag was still set: this click unloads nothing
    program.LeftClick();
    EXPECT_EQ(program.AnswerMessageBox(L"Program functioning completely impaired!"),
              L"The .dictionary file is missing.  Please rerun the program installation and "
              L"select repair to correct this missing file");
    EXPECT_TRUE(program.WaitUntilNoCheckWindow());  // shown and unloaded at once

    folder.Write(L"Morvane.dictionary", kTestDictionary);
    EXPECT_TRUE(program.IconEventHandled(WM_LBUTTONUP));  // the flag again
    EXPECT_EQ(program.CheckWindow(), nullptr);
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr) << "waited for the check window";
    EXPECT_EQ(CheckWordAndRead(window, L"hello"), Entries{L"hello"});
}

}  // namespace
}  // namespace morvane::e2e
