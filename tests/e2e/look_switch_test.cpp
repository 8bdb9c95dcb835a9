// The check window shown by the test itself, photographed from the screen while the colours
// change under it: a Windows program cannot change another one's colours here, so the window
// is this process's own, made by the same code the program runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "picture_on_button.h"
#include "res/resource_ids.h"
#include "ui/check_window/check_window.h"

namespace morvane::e2e {
namespace {

// The button-face colour, changed for the scope as the colour settings change it (every
// window is told with WM_SYSCOLORCHANGE), then put back.
class ButtonFaceColour {
public:
    explicit ButtonFaceColour(COLORREF colour) : saved_(GetSysColor(COLOR_BTNFACE)) { Set(colour); }
    ~ButtonFaceColour() { Set(saved_); }
    ButtonFaceColour(const ButtonFaceColour&) = delete;
    ButtonFaceColour& operator=(const ButtonFaceColour&) = delete;

private:
    static void Set(COLORREF colour) {
        const int element = COLOR_BTNFACE;
        SetSysColors(1, &element, &colour);
    }
    COLORREF saved_;
};

HWND ShownCheckWindow() {
    const HWND found = FindWindowW(L"#32770", kCheckWindowCaption);
    return found && GetWindowThreadProcessId(found, nullptr) == GetCurrentThreadId() ? found : nullptr;
}

TEST(ButtonPicturesColourChange, TheLightGreyShowsTheFaceColourChosenWhileTheWindowIsOpen) {
    SpellingState spelling;
    ShowCheckWindowModeless(spelling);
    const HWND window = ShownCheckWindow();
    ASSERT_NE(window, nullptr);
    const std::optional<SourcePicture> source = LoadSourcePicture(GetModuleHandleW(nullptr), IDB_CHECK);
    ASSERT_TRUE(source);
    const HWND check = GetDlgItem(window, kIdCheck);
    const PictureOnButton before = PhotographPicture(check, *source, 16);
    EXPECT_EQ(before.unlikeFace, 0) << "as opened: " << Describe(before);
    for (const COLORREF colour : {RGB(255, 200, 120), RGB(40, 90, 60)}) {
        const ButtonFaceColour changed(colour);
        const PictureOnButton seen =
            PhotographPicture(check, *source, 16, [&](const PictureOnButton& s) { return s.face == colour; });
        EXPECT_EQ(seen.face, colour) << "waited for the new face colour: " << Describe(seen);
        EXPECT_EQ(seen.unlikeFace, 0) << "face colour " << ColourText(colour) << ": " << Describe(seen);
    }
    UnloadCheckWindow();
}

}  // namespace
}  // namespace morvane::e2e
