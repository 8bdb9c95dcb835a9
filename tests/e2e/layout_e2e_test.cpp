// The windows as the real Morvane.exe draws them, at 96 and 144 dots per inch: the sizes of
// their client areas, where the focus starts and where the Tab key takes it.
#include <tuple>
#include <utility>
#include <vector>

#include "program_look.h"
#include "program_test.h"
#include "ui/about/about_layout.h"

namespace morvane::e2e {
namespace {

// The window's client area, where the focus starts, and the controls that Tab then reaches by
// the dialog manager's rule, in order, until it is back there (ten at most).
void ExpectLaidOut(HWND window, std::pair<LONG, LONG> clientSize, int focus, const std::vector<int>& tabbed) {
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), clientSize);
    SetForegroundWindow(window);  // as a click would: the window manager may not have activated it
    GUITHREADINFO thread{};  // its hwndFocus: the control with the focus in the window's thread
    thread.cbSize = sizeof(thread);
    ASSERT_TRUE(WaitUntil([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) && thread.hwndFocus;
    })) << "waited for the focus";
    const HWND start = thread.hwndFocus;
    EXPECT_EQ(GetDlgCtrlID(start), focus);
    std::vector<int> reached;
    for (HWND next = start; reached.size() < 10 && (next = GetNextDlgTabItem(window, next, FALSE));) {
        reached.push_back(GetDlgCtrlID(next));
        if (next == start) break;
    }
    EXPECT_EQ(reached, tabbed);
}

// The check window's client area is 2865 x 2310 twips, About's 5730 x 3555; 1440 twips make
// an inch. At 144 DPI, 2865 and 3555 twips are 286.5 and 355.5 pixels: the program rounds a
// half pixel up (away from zero), to 287 and 356.
TEST(LayoutE2E, ClientAreasAtBothResolutionsAndTheTabKeyGoesThroughTheControlsButNeverToALabel) {
    using Size = std::pair<LONG, LONG>;
    for (const auto& [dpi, checkWindow, about] : {std::tuple<DWORD, Size, Size>{96, {191, 154}, {382, 237}},
                                                 std::tuple<DWORD, Size, Size>{144, {287, 231}, {573, 356}}}) {
        SCOPED_TRACE(::testing::Message() << dpi << " dots per inch");
        const ProgramLook look(Look::kThemed, dpi);
        const ScenarioFolder folder;
        const RunningProgram program(folder);
        ASSERT_NE(program.Host(), nullptr) << "waited for the program's host window";
        program.LeftClick();
        const HWND window = program.WaitForCheckWindow();
        ASSERT_NE(window, nullptr) << "waited for the check window";
        // In the tab order the label "Word" stands between the word box and Check.
        ExpectLaidOut(window, checkWindow, kIdWordBox, {kIdCheck, kIdWordList, kIdCopy, kIdWordBox});
        program.LeftClick();
        ASSERT_TRUE(program.WaitUntilNoCheckWindow()) << "waited for the check window to go";

        ASSERT_TRUE(program.ChooseMenuItem(RunningProgram::kAbout));
        const HWND aboutBox = program.WaitForShownWindow(nullptr, L"About Morvane");
        ASSERT_NE(aboutBox, nullptr) << "waited for the About dialog";
        // OK, the logo, System Info, three labels and the description, in that order: the
        // buttons and the description take the focus.
        ExpectLaidOut(aboutBox, about, kIdOk, {kIdSysInfo, kIdDescription, kIdOk});
    }
}

}  // namespace
}  // namespace morvane::e2e
