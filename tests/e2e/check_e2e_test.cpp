// The real Morvane.exe's check window: Check, the suggestion limit and the settings value it
// refuses, Look-up, Copy, and a dictionary that is missing or cannot be read.
#include <tuple>
#include <utility>

#include "program_test.h"
#include "ui/check_window/check_window_layout.h"
#include "ui/twips.h"

namespace morvane::e2e {
namespace {

const Entries kTwoSuggestions{L"bad", L"bed"};  // for "bda" with a limit of 2

class CheckWindowE2E : public ProgramE2E {
protected:
    void SetUp() override {
        ProgramE2E::SetUp();
        if (HasFatalFailure()) return;
        window_ = OpenCheckWindow();
        ASSERT_NE(window_, nullptr);
    }

    HWND window_ = nullptr;
};

TEST_F(CheckWindowE2E, OpensFocusedCentredAndLaidOutAtTheScreensResolution) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(WaitUntil([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info) &&
               info.hwndFocus != nullptr;
    }));
    EXPECT_EQ(info.hwndFocus, GetDlgItem(window_, kIdWordBox));
    EXPECT_EQ(info.hwndActive, window_);
    EXPECT_EQ(SendMessageW(window_, DM_GETDEFID, 0, 0), MAKELRESULT(kIdCheck, DC_HASDEFID));
    EXPECT_EQ(GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_APPWINDOW, WS_EX_APPWINDOW);
    // The picture-only buttons carry their names, for screen readers, and tooltips.
    const std::pair<int, const wchar_t*> buttons[] = {{kIdCheck, L"Check"}, {kIdCopy, L"Copy"}};
    for (const auto& [id, name] : buttons) {
        const HWND button = GetDlgItem(window_, id);
        EXPECT_NE(SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0), 0) << name;
        EXPECT_EQ(WindowText(button), name);
        EXPECT_TRUE(TooltipShows(name)) << name;
    }

    const HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    RECT client{}, frame{};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, TwipsToPixels(kClientWidthTwips, dotsPerInch));
    EXPECT_EQ(client.bottom, TwipsToPixels(kClientHeightTwips, dotsPerInch));
    GetWindowRect(window_, &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
    ExpectFixedFrameWithCloseBoxOnly(window_);
    // Every control in its place, made in tab order.
    HWND child = GetWindow(window_, GW_CHILD);
    for (const ControlLayout& control : kCheckWindowControls) {
        while (child && !GetDlgCtrlID(child)) child = GetWindow(child, GW_HWNDNEXT);  // tooltips
        ASSERT_EQ(child, GetDlgItem(window_, control.id)) << control.id;
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
        const TwipsRect& twips = control.place;
        EXPECT_EQ(std::tuple(place.left, place.top, place.right - place.left, place.bottom - place.top),
                  std::tuple(TwipsToPixels(twips.left, dotsPerInch), TwipsToPixels(twips.top, dotsPerInch),
                             TwipsToPixels(twips.width, dotsPerInch), TwipsToPixels(twips.height, dotsPerInch)))
            << control.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

TEST_F(CheckWindowE2E, ListsFoundWordsAsTypedOrRankedSuggestionsOrTheTwoFixedTexts) {
    const std::pair<const wchar_t*, Entries> checks[] = {
        {L"Hello", {L"Hello"}}, {L"hello!", {L"hello!"}}, {L"two words", {L"two words"}},
        {L"  Paris", {L"  Paris"}}, {L"bda", kFiveSuggestions},
        {L"", kFiveSuggestions}, {L"   ", kFiveSuggestions},  // blank: the list stays as it was
        {L"recieve", {L"receive"}}, {L"qx", kNothingToSuggest}, {L"kat", kNothingToSuggest}};
    for (const auto& [word, expected] : checks) {
        EXPECT_EQ(CheckWordAndRead(window_, word), expected) << word;
    }
    // Nothing is selected after a Check.
    EXPECT_EQ(SendMessageW(GetDlgItem(window_, kIdWordList), LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(CheckWindowE2E, EnterInTheWordBoxPressesCheck) {
    const HWND wordBox = GetDlgItem(window_, kIdWordBox);
    SetWord(window_, L"bda");
    SetForegroundWindow(window_);
    PostMessageW(wordBox, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(wordBox, WM_KEYUP, VK_RETURN, 0);
    EXPECT_TRUE(WaitUntil([&] { return ListEntries(window_) == kFiveSuggestions; }));
}

TEST_F(CheckWindowE2E, SuggestionLimitEditedInTheFileCountsAtTheNextCheck) {
    const std::pair<const char*, Entries> limits[] = {
        {"2", kTwoSuggestions}, {"0", kNothingToSuggest},
        {"2.5", kTwoSuggestions}, {"3.5", {L"bad", L"bed", L"bid", L"bud"}},  // half to even
        {nullptr, kFiveSuggestions}};  // no file: 10
    for (const auto& [limit, expected] : limits) {
        if (!limit) folder_.Remove(L"Settings.ini");
        else folder_.Write(L"Settings.ini", std::string("[Options]\r\nMaxSuggestions=") + limit);
        EXPECT_EQ(CheckWordAndRead(window_, L"bda"), expected) << (limit ? limit : "no file");
    }
}

TEST_F(CheckWindowE2E, DoubleClickOpensTheEncodedSearchAddressAndNothingOnTheFixedTexts) {
    const std::wstring recorder = folder_.File(L"recorder.exe");
    ShellOpensWithRecorder shell(recorder);
    ASSERT_EQ(CheckWordAndRead(window_, L"qx"), kNothingToSuggest);
    DoubleClickEntry(window_, 0);
    DoubleClickEntry(window_, 1);
    ASSERT_EQ(CheckWordAndRead(window_, L"recieve"), Entries{L"receive"});
    DoubleClickEntry(window_, -1);  // nothing selected: the address with an empty value
    DoubleClickEntry(window_, 0);
    // Found words are listed as typed: this one carries characters that would otherwise split
    // or change the address.
    const std::wstring symbols = L"two \"words\" & #more";
    ASSERT_EQ(CheckWordAndRead(window_, symbols), Entries{symbols});
    DoubleClickEntry(window_, 0);

    const auto lines = WaitForRecordedCommandLines(recorder, 3);
    ASSERT_EQ(lines.size(), 3u);
    const std::string log = lines[0] + "\n" + lines[1] + "\n" + lines[2];
    for (const char* query : {"", "receive", "two%20%22words%22%20%26%20%23more"}) {
        EXPECT_NE(log.find("\"https://www.dictionary.com/search?q=" + std::string(query) + "\""), std::string::npos)
            << query << " in " << log;
    }
}

TEST_F(CheckWindowE2E, CopyPutsTheSelectedEntryOnTheClipboard) {
    ASSERT_EQ(CheckWordAndRead(window_, L"recieve"), Entries{L"receive"});
    SendMessageW(GetDlgItem(window_, kIdWordList), LB_SETCURSEL, 0, 0);
    SendMessageW(GetDlgItem(window_, kIdCopy), BM_CLICK, 0, 0);

    ASSERT_TRUE(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }));
    std::wstring text;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (const auto* chars = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
        text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    EXPECT_EQ(text, L"receive");
}

TEST_F(CheckWindowE2E, UnloadedFromTheTrayWhileCheckYieldsTheProgramCarriesOn) {
    // Both wait in the program's queue: the click on Check runs first, and the tray click is
    // handled inside its yield, which destroys the window under the running Check.
    PressCheckLater(window_, L"bda");
    program_.LeftClick();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window_); }));
    EXPECT_FALSE(program_.WaitForExit(300));
    const HWND again = OpenCheckWindow();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(CheckWordAndRead(again, L"bda"), kFiveSuggestions);
}

TEST(SettingsE2E, RefusedLimitIsToldOnceForEachValueAndThePreviousLimitStays) {
    ScenarioFolder folder;
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=40000\r\n");
    RunningProgram program(folder);
    const auto atStartUp = program.AnswerMessageBox(L"Morvane");
    ASSERT_TRUE(atStartUp);
    EXPECT_NE(atStartUp->find(L"MaxSuggestions=\"40000\""), std::wstring::npos) << *atStartUp;
    EXPECT_NE(atStartUp->find(folder.File(L"Settings.ini")), std::wstring::npos) << *atStartUp;
    ASSERT_NE(program.Host(), nullptr);
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);
    // The same value at Check: told already, so no box; the start-up limit, 10, is used.
    PressCheckLater(window, L"bda");
    EXPECT_TRUE(WaitUntil([&] { return ListEntries(window) == kFiveSuggestions; }));
    EXPECT_EQ(program.WaitForMessageBox(L"Morvane", 300), nullptr);

    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=2\r\n");
    EXPECT_EQ(CheckWordAndRead(window, L"bda"), kTwoSuggestions);
    // Another refused value is told, and the previous limit stays.
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=abc\r\n");
    PressCheckLater(window, L"bda");
    const auto atCheck = program.AnswerMessageBox(L"Morvane");
    ASSERT_TRUE(atCheck);
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
    ASSERT_NE(program.Host(), nullptr);

    program.LeftClick();
    const auto unreadable = program.AnswerMessageBox(L"Morvane");
    ASSERT_TRUE(unreadable);
    EXPECT_FALSE(unreadable->empty());
    EXPECT_TRUE(program.WaitUntilNoCheckWindow());

    RemoveDirectoryW(dictionary.c_str());
    program.LeftClick();  // the flag was still set: this click unloads nothing
    program.LeftClick();
    EXPECT_EQ(program.AnswerMessageBox(L"Program functioning completely impaired!"),
              L"The .dictionary file is missing.  Please rerun the program installation and "
              L"select repair to correct this missing file");
    // The window shows and unloads itself at once.
    EXPECT_TRUE(program.WaitUntilNoCheckWindow());

    folder.Write(L"Morvane.dictionary", kTestDictionary);
    EXPECT_TRUE(program.IconEventHandled(WM_LBUTTONUP));  // the flag again
    EXPECT_EQ(program.CheckWindow(), nullptr);
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CheckWordAndRead(window, L"hello"), Entries{L"hello"});
}

}  // namespace
}  // namespace morvane::e2e
