// The picture buttons as the screen shows them, photographed: the pictures' light grey lets the
// face show through in the themed and the classic look, pressed too, after the look or the
// colours change while the window is open, and the pictures grow with the DPI.
#include <windows.h>
#include <uxtheme.h>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "picture_on_button.h"
#include "program_driver.h"
#include "program_look.h"
#include "res/resource_ids.h"

namespace morvane::e2e {
namespace {

// The real program, started in a look at a DPI, and its check window.
class ButtonPicturesE2E : public ::testing::Test {
protected:
    // Both pictures drawn at `size`, their light grey showing the face at rest; the window.
    HWND ExpectPicturesAtRest(const RunningProgram& program, int size, const char* look) const {
        EXPECT_TRUE(check_ && copy_) << "could not read the pictures, built into the test too";
        program.LeftClick();
        const HWND window = program.Host() && check_ && copy_ ? program.WaitForCheckWindow() : nullptr;
        EXPECT_NE(window, nullptr) << look << ": waited for the check window";
        for (const auto& [id, source] : {std::pair(kIdCheck, &check_), std::pair(kIdCopy, &copy_)}) {
            if (!window) break;
            const PictureOnButton seen = PhotographPicture(GetDlgItem(window, id), **source, size);
            EXPECT_TRUE(seen.found && seen.unlikeFace == 0 && std::abs(seen.width - size) <= 1 &&
                        std::abs(seen.height - size) <= 1)
                << look << ", button " << id << ", " << size << " pixels expected: " << Describe(seen);
        }
        return window;
    }

    ScenarioFolder folder_;
    std::optional<SourcePicture> check_ = LoadSourcePicture(GetModuleHandleW(nullptr), IDB_CHECK);
    std::optional<SourcePicture> copy_ = LoadSourcePicture(GetModuleHandleW(nullptr), IDB_COPY);
};

// Wine's themed look paints a face of its own, white at rest and under the pointer alike, and
// blue while pressed; its button-face colour, which the classic look paints, is another.
TEST_F(ButtonPicturesE2E, ThemedLookShowsItsFaceThroughTheLightGreyAtRestAndPressed) {
    const ProgramLook look(Look::kThemed, 96);
    const RunningProgram program(folder_);
    const HWND window = ExpectPicturesAtRest(program, 16, "themed, 96 DPI");
    if (!window) return;
    const HWND check = GetDlgItem(window, kIdCheck);
    const COLORREF restingFace = PhotographPicture(check, *check_, 16).face;
    SendMessageW(check, BM_SETSTATE, TRUE, 0);  // drawn pressed, as while the mouse button is down
    const PictureOnButton pressed =
        PhotographPicture(check, *check_, 16, [&](const PictureOnButton& seen) { return seen.face != restingFace; });
    SendMessageW(check, BM_SETSTATE, FALSE, 0);
    EXPECT_TRUE(pressed.face != restingFace && pressed.unlikeFace == 0) << "pressed: " << Describe(pressed);
}

TEST_F(ButtonPicturesE2E, ClassicLookShowsTheFaceThroughTheLightGreyAndThePicturesGrowWithTheDpi) {
    for (const auto& [dpi, size] : {std::pair(96, 16), std::pair(144, 24)}) {
        const ProgramLook look(Look::kClassic, static_cast<DWORD>(dpi));
        const RunningProgram program(folder_);
        ExpectPicturesAtRest(program, size, dpi == 96 ? "classic, 96 DPI" : "classic, 144 DPI");
    }
}

// Loads Wine's Light visual style into this process, or none, and tells every window, as the
// desktop's settings do (uxtheme's unnamed OpenThemeFile, ApplyTheme and CloseThemeFile).
bool ApplyLook(bool themed) {
    const HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");  // linked: loaded with the test
    const auto entry = [&](int ordinal) {
        return reinterpret_cast<void*>(GetProcAddress(uxtheme, MAKEINTRESOURCEA(ordinal)));
    };
    using Open = HRESULT(WINAPI*)(const wchar_t*, const wchar_t*, const wchar_t*, HANDLE*, DWORD);
    const auto open = reinterpret_cast<Open>(entry(2));
    const auto close = reinterpret_cast<HRESULT(WINAPI*)(HANDLE)>(entry(3));
    const auto apply = reinterpret_cast<HRESULT(WINAPI*)(HANDLE, const char*, HWND)>(entry(4));
    constexpr wchar_t kLight[] = L"C:\\windows\\resources\\themes\\light\\light.msstyles";
    HANDLE style = nullptr;
    if (!open || !close || !apply || (themed && FAILED(open(kLight, L"Blue", L"NormalSize", &style, 0)))) return false;
    const HRESULT applied = apply(style, "", nullptr);
    if (style) close(style);
    return SUCCEEDED(applied);
}

// Other button-face colours, as the colour settings set them (every window is told with
// WM_SYSCOLORCHANGE), each photographed once it shows; the colour is put back.
void ExpectFaceColoursShowThrough(HWND button, const SourcePicture& source) {
    const int element = COLOR_BTNFACE;
    const COLORREF saved = GetSysColor(COLOR_BTNFACE);
    for (const COLORREF colour : {RGB(255, 200, 120), RGB(40, 90, 60)}) {
        SetSysColors(1, &element, &colour);
        const PictureOnButton seen =
            PhotographPicture(button, source, 16, [&](const PictureOnButton& s) { return s.face == colour; });
        EXPECT_TRUE(seen.face == colour && seen.unlikeFace == 0) << "face colour " << ColourText(colour) << ": "
                                                                 << Describe(seen);
    }
    SetSysColors(1, &element, &saved);
}

// The check window is the test's own here, made by the same code the program runs: under Wine
// one program cannot change another's look or colours. The session's look, the other one,
// and the session's again, so the prefix's settings end as they began.
TEST(ButtonPicturesLookSwitch, TheLightGreyShowsTheFaceAfterTheLookOrTheColoursChangeWhileTheWindowIsOpen) {
    SpellingState spelling;
    ShowCheckWindowModeless(spelling);
    const HWND window = FindWindowW(L"#32770", kCheckWindowCaption);
    const std::optional<SourcePicture> source = LoadSourcePicture(GetModuleHandleW(nullptr), IDB_CHECK);
    ASSERT_TRUE(window && source);
    const HWND check = GetDlgItem(window, kIdCheck);
    const bool sessionThemed = IsThemeActive() != FALSE;
    PictureOnButton seen = PhotographPicture(check, *source, 16);
    EXPECT_EQ(seen.unlikeFace, 0) << "as opened: " << Describe(seen);
    for (const bool themed : {!sessionThemed, sessionThemed}) {
        const COLORREF previousFace = seen.face;
        ASSERT_TRUE(ApplyLook(themed)) << "could not switch the look";
        seen = PhotographPicture(check, *source, 16,
                                 [&](const PictureOnButton& s) { return s.face != previousFace; });
        EXPECT_TRUE(seen.face != previousFace && seen.unlikeFace == 0)
            << (themed ? "switched to the themed look: " : "switched to the classic look: ") << Describe(seen);
        if (!themed) ExpectFaceColoursShowThrough(check, *source);
    }
    UnloadCheckWindow();
}

}  // namespace
}  // namespace morvane::e2e
