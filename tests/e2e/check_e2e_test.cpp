// The real Morvane.exe's check window: as it opens, Check, the suggestion limit and the
// settings values it refuses, Look-up, Copy, and a dictionary that is missing or cannot be read.
#include <tuple>
#include <utility>

#include "program_test.h"
#include "tests/support/clipboard_text.h"

namespace morvane::e2e {
namespace {

const Entries kTwoSuggestions{L"bad", L"bed"};  // for "bda" with a limit of 2

// Selects the entry and sends the list's double-click notification; returns once handled
// (a posted one could be handled later, inside the next Check's yield).
void DoubleClickEntry(HWND window, int index) {
    const HWND list = GetDlgItem(window, kIdWordList);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_COMMAND, MAKEWPARAM(kIdWordList, LBN_DBLCLK), reinterpret_cast<LPARAM>(list),
                        SMTO_NORMAL, kPatience, &result);
}

using CheckWindowE2E = ProgramE2E;

// One run: the window as it opens (its focus and Tab: the layout test), checks with the limit
// edited in the file between them, Look-up, Copy, and the window unloaded from the tray while
// a Check yields.
TEST_F(CheckWindowE2E, OpensListsWordsOrSuggestionsUpToTheLimitAndLooksUpAndCopiesTheSelectedEntry) {
    const HWND window = OpenCheckWindow();
    ASSERT_NE(window, nullptr) << "waited for the check window";
    EXPECT_EQ(SendMessageW(window, DM_GETDEFID, 0, 0), MAKELRESULT(kIdCheck, DC_HASDEFID));
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, WS_EX_APPWINDOW);
    ExpectCentredWithFixedFrameAndCloseBoxOnly(window);
    // The picture-only buttons carry their names, for screen readers (their pictures as the
    // screen shows them: button_picture_e2e_test.cpp).
    for (const auto& [id, name] : {std::pair(kIdCheck, L"Check"), std::pair(kIdCopy, L"Copy")}) {
        EXPECT_EQ(GetWindowLongPtrW(GetDlgItem(window, id), GWL_STYLE) & BS_BITMAP, BS_BITMAP) << name;
        EXPECT_EQ(WindowText(GetDlgItem(window, id)), name);
    }
    SetDlgItemTextW(window, kIdWordBox, L"bda");
    SetForegroundWindow(window);
    PostMessageW(GetDlgItem(window, kIdWordBox), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(GetDlgItem(window, kIdWordBox), WM_KEYUP, VK_RETURN, 0);
    EXPECT_TRUE(WaitUntil([&] { return ListEntries(window) == kFiveSuggestions; })) << "waited for Enter to check";

    // What the window passes on and shows: the word as typed, the limit read at each Check.
    const std::tuple<const char*, const wchar_t*, Entries> checks[] = {
        {"10", L"Hello", {L"Hello"}}, {"10", L"  Paris", {L"  Paris"}}, {"10", L"recieve", {L"receive"}},
        {"10", L"qx", kNothingToSuggest}, {"2", L"bda", kTwoSuggestions},
        {"2", L"   ", kTwoSuggestions},   // blank: the list stays as it was
        {nullptr, L"bda", kFiveSuggestions}};  // no file: 10
    for (const auto& [limit, word, expected] : checks) {
        if (!limit) folder_.Remove(L"Settings.ini");
        else folder_.Write(L"Settings.ini", std::string("[Options]\r\nMaxSuggestions=") + limit);
        EXPECT_EQ(CheckWordAndRead(window, word), expected) << word << " with the limit " << (limit ? limit : "absent");
    }
    EXPECT_EQ(SendMessageW(GetDlgItem(window, kIdWordList), LB_GETCURSEL, 0, 0), LB_ERR) << "selected after a Check";

    {
        const ShellOpensWithRecorder shell(folder_);
        ASSERT_EQ(CheckWordAndRead(window, L"qx"), kNothingToSuggest);
        DoubleClickEntry(window, 0);  // the fixed texts are not looked up
        DoubleClickEntry(window, 1);
        ASSERT_EQ(CheckWordAndRead(window, L"recieve"), Entries{L"receive"});
        DoubleClickEntry(window, -1);  // nothing selected: the address with an empty value
        DoubleClickEntry(window, 0);
        // Found words are listed as typed: these characters would otherwise split or change the address.
        const std::wstring symbols = L"two \"words\" & #more";
        ASSERT_EQ(CheckWordAndRead(window, symbols), Entries{symbols});
        DoubleClickEntry(window, 0);
        const auto lines = shell.WaitForCommandLines(window, 3);
        ASSERT_EQ(lines.size(), 3u);
        const std::wstring log = lines[0] + L"\n" + lines[1] + L"\n" + lines[2];
        for (const std::wstring query : {L"", L"receive", L"two%20%22words%22%20%26%20%23more"})
            EXPECT_NE(log.find(L"\"https://www.dictionary.com/search?q=" + query + L"\""), std::wstring::npos)
                << query << " in " << log;
    }

    ASSERT_EQ(CheckWordAndRead(window, L"recieve"), Entries{L"receive"});
    SendMessageW(GetDlgItem(window, kIdWordList), LB_SETCURSEL, 0, 0);
    SendMessageW(GetDlgItem(window, kIdCopy), BM_CLICK, 0, 0);
    EXPECT_EQ(test::RawUnicodeText(), L"receive");

    // Both wait in the program's queue: the click on Check runs first, and the tray click is
    // handled inside its yield, which destroys the window under the running Check.
    PressCheckLater(window, L"bda");
    program_.LeftClick();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); })) << "waited for the window to be unloaded";
    const HWND again = OpenCheckWindow();
    ASSERT_NE(again, nullptr) << "waited for the check window after it was unloaded under its Check";
    EXPECT_EQ(CheckWordAndRead(again, L"bda"), kFiveSuggestions);
}

// A refused limit and a dictionary that cannot be read or is missing, in one run. A folder in
// place of the dictionary passes the file test but cannot be read; once it is gone the file
// is missing, and once it is back the window opens. Each refused value is told once, and
// the previous limit stays.
TEST(SettingsAndDictionaryE2E, RefusedLimitsAndAnUnreadableOrMissingDictionaryAreToldAndTheProgramGoesOn) {
    ScenarioFolder folder;
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=40000\r\n");
    const std::wstring dictionary = folder / L"Morvane.dictionary";
    folder.Remove(L"Morvane.dictionary");
    ASSERT_TRUE(CreateDirectoryW(dictionary.c_str(), nullptr));
    RunningProgram program(folder);
    const auto atStartUp = program.AnswerMessageBox(L"Morvane");
    ASSERT_TRUE(atStartUp) << "waited for the notice at start-up";
    EXPECT_NE(atStartUp->find(L"MaxSuggestions=\"40000\""), std::wstring::npos) << *atStartUp;
    EXPECT_NE(atStartUp->find(folder / L"Settings.ini"), std::wstring::npos) << *atStartUp;
    ASSERT_NE(program.Host(), nullptr);

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
    // The same value at Check: told already, so no box; the start-up limit, 10, is used.
    PressCheckLater(window, L"bda");
    EXPECT_TRUE(WaitUntil([&] { return ListEntries(window) == kFiveSuggestions; })) << "waited for the Check";
    EXPECT_EQ(program.ShownWindow(kDialogClass, L"Morvane", kMessageBoxTextId), nullptr);
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=2\r\n");
    EXPECT_EQ(CheckWordAndRead(window, L"bda"), kTwoSuggestions);
    folder.Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=abc\r\n");
    PressCheckLater(window, L"bda");
    const auto atCheck = program.AnswerMessageBox(L"Morvane");
    ASSERT_TRUE(atCheck) << "waited for the notice at Check";
    EXPECT_NE(atCheck->find(L"MaxSuggestions=\"abc\""), std::wstring::npos) << *atCheck;
    EXPECT_EQ(CheckWordAndRead(window, L"bda"), kTwoSuggestions);  // told already: no box
}

}  // namespace
}  // namespace morvane::e2e
