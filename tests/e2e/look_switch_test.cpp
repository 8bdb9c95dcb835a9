// The check window shown by the test itself, photographed from the screen while the look and
// the colours change under it: under Wine a program cannot change another one's look or
// colours, so the window is this process's own, made by the same code the program runs.
#include <windows.h>
#include <uxtheme.h>

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

// Loads Wine's Light visual style into this process, or none, and tells every window, as the
// desktop's settings do (uxtheme's unnamed OpenThemeFile, ApplyTheme and CloseThemeFile).
bool ApplyLook(bool themed) {
    const HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");  // linked: loaded with the test
    using Open = HRESULT(WINAPI*)(const wchar_t*, const wchar_t*, const wchar_t*, HANDLE*, DWORD);
    using Apply = HRESULT(WINAPI*)(HANDLE, const char*, HWND);
    using Close = HRESULT(WINAPI*)(HANDLE);
    const auto open = reinterpret_cast<Open>(reinterpret_cast<void*>(GetProcAddress(uxtheme, MAKEINTRESOURCEA(2))));
    const auto close = reinterpret_cast<Close>(reinterpret_cast<void*>(GetProcAddress(uxtheme, MAKEINTRESOURCEA(3))));
    const auto apply = reinterpret_cast<Apply>(reinterpret_cast<void*>(GetProcAddress(uxtheme, MAKEINTRESOURCEA(4))));
    if (!open || !close || !apply) return false;
    HANDLE style = nullptr;
    constexpr wchar_t kLight[] = L"C:\\windows\\resources\\themes\\light\\light.msstyles";
    if (themed && FAILED(open(kLight, L"Blue", L"NormalSize", &style, 0))) return false;
    const HRESULT applied = apply(style, "", nullptr);
    if (style) close(style);
    return SUCCEEDED(applied);
}

HWND ShownCheckWindow() {
    const HWND found = FindWindowW(L"#32770", kCheckWindowCaption);
    return found && GetWindowThreadProcessId(found, nullptr) == GetCurrentThreadId() ? found : nullptr;
}

// The face colours changed under the picture, each photographed once it shows.
void ExpectFaceColoursShowThrough(HWND button, const SourcePicture& source) {
    for (const COLORREF colour : {RGB(255, 200, 120), RGB(40, 90, 60)}) {
        const ButtonFaceColour changed(colour);
        const PictureOnButton seen =
            PhotographPicture(button, source, 16, [&](const PictureOnButton& s) { return s.face == colour; });
        EXPECT_EQ(seen.face, colour) << "waited for the new face colour: " << Describe(seen);
        EXPECT_EQ(seen.unlikeFace, 0) << "face colour " << ColourText(colour) << ": " << Describe(seen);
    }
}

// The session's look, then the other one, then the session's again (so the prefix's settings
// end as they began); in the classic look, other face colours too.
TEST(ButtonPicturesLookSwitch, TheLightGreyShowsTheFaceAfterTheLookOrTheColoursChangeWhileTheWindowIsOpen) {
    SpellingState spelling;
    ShowCheckWindowModeless(spelling);
    const HWND window = ShownCheckWindow();
    ASSERT_NE(window, nullptr);
    const std::optional<SourcePicture> source = LoadSourcePicture(GetModuleHandleW(nullptr), IDB_CHECK);
    ASSERT_TRUE(source);
    const HWND check = GetDlgItem(window, kIdCheck);
    const bool sessionThemed = IsThemeActive() != FALSE;
    PictureOnButton seen = PhotographPicture(check, *source, 16);
    EXPECT_EQ(seen.unlikeFace, 0) << "as opened: " << Describe(seen);
    if (!sessionThemed) ExpectFaceColoursShowThrough(check, *source);
    for (const bool themed : {!sessionThemed, sessionThemed}) {
        const COLORREF previousFace = seen.face;
        ASSERT_TRUE(ApplyLook(themed)) << "could not switch the look";
        seen = PhotographPicture(check, *source, 16,
                                 [&](const PictureOnButton& s) { return s.face != previousFace; });
        const char* look = themed ? "switched to the themed look" : "switched to the classic look";
        EXPECT_NE(seen.face, previousFace) << look << ", waited for its face: " << Describe(seen);
        EXPECT_EQ(seen.unlikeFace, 0) << look << ": " << Describe(seen);
        if (!themed && sessionThemed) ExpectFaceColoursShowThrough(check, *source);
    }
    UnloadCheckWindow();
}

}  // namespace
}  // namespace morvane::e2e
