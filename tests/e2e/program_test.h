#pragma once
// What the end-to-end tests share: the program started from a fresh scenario folder, the
// lists the test dictionary gives, and the frame both windows have.
#include <gtest/gtest.h>

#include "program_driver.h"

namespace morvane::e2e {

using Entries = std::vector<std::wstring>;
inline const Entries kNothingToSuggest{L"Word Not Found", L"No Suggestions :("};
inline const Entries kFiveSuggestions{L"bad", L"bed", L"bid", L"bud", L"bead"};  // for "bda"

// Centred on the screen, a fixed frame with a close box and no minimise or maximise box.
inline void ExpectCentredWithFixedFrameAndCloseBoxOnly(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU);
}

class ProgramE2E : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(program_.Host(), nullptr) << "waited for the program's host window"; }
    // A left click on the icon, then the check window it shows.
    HWND OpenCheckWindow() const {
        program_.LeftClick();
        return program_.WaitForCheckWindow();
    }

    ScenarioFolder folder_;
    RunningProgram program_{folder_};
};

}  // namespace morvane::e2e
