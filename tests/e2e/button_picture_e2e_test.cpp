// The picture buttons as the screen shows them, photographed: the pictures' light grey lets the
// face show through in the themed and the classic look, pressed too, after the look or the
// colours change while the window is open, and the pictures grow with the DPI.
#include <windows.h>
#include <uxtheme.h>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

#include "picture_on_button.h"
#include "program_driver.h"
#include "program_look.h"
#include "res/resource_ids.h"

namespace morvane::e2e {
namespace {

// Wine's themed look paints a face of its own, white at rest and under the pointer alike, and
// blue while pressed; its button-face colour, which the classic look paints, is another. The
// real program is started in each look, and in the classic one at two DPIs.
TEST(ButtonPicturesE2E, TheLightGreyShowsTheFaceThemedAtRestAndPressedAndClassicAndThePicturesGrowWithTheDpi) {
    const std::optional<SourcePicture> check = LoadSourcePicture(GetModuleHandleW(nullptr), IDB_CHECK);
    const std::optional<SourcePicture> copy = LoadSourcePicture(GetModuleHandleW(nullptr), IDB_COPY);
    ASSERT_TRUE(check && copy) << "could not read the pictures, built into the test too";
    const ScenarioFolder folder;
    for (const auto& [look, dpi, size] :
         {std::tuple(Look::kThemed, 96, 16), std::tuple(Look::kClassic, 96, 16), std::tuple(Look::kClassic, 144, 24)}) {
        SCOPED_TRACE(::testing::Message() << (look == Look::kThemed ? "themed, " : "classic, ") << dpi << " DPI");
        const ProgramLook programLook(look, static_cast<DWORD>(dpi));
        const RunningProgram program(folder);
        program.LeftClick();
        const HWND window = program.Host() ? program.WaitForCheckWindow() : nullptr;
        ASSERT_NE(window, nullptr) << "waited for the check window";
        for (const auto& [id, source] : {std::pair(kIdCheck, &*check), std::pair(kIdCopy, &*copy)}) {
            const PictureOnButton seen = PhotographPicture(GetDlgItem(window, id), *source, size);
            EXPECT_TRUE(seen.found && seen.unlikeFace == 0 && std::abs(seen.width - size) <= 1 &&
                        std::abs(seen.height - size) <= 1)
                << "button " << id << ", " << size << " pixels expected: " << Describe(seen);
        }
        if (look == Look::kClassic) continue;
        const HWND button = GetDlgItem(window, kIdCheck);
        const COLORREF restingFace = PhotographPicture(button, *check, 16).face;
        SendMessageW(button, BM_SETSTATE, TRUE, 0);  // drawn pressed, as while the mouse button is down
        const PictureOnButton pressed =
            PhotographPicture(button, *check, 16, [&](const PictureOnButton& s) { return s.face != restingFace; });
        SendMessageW(button, BM_SETSTATE, FALSE, 0);
        EXPECT_TRUE(pressed.face != restingFace && pressed.unlikeFace == 0) << "pressed: " << Describe(pressed);
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
        if (themed) continue;
        // Other button-face colours, as the colour settings set them (every window is told with
        // WM_SYSCOLORCHANGE), each photographed once it shows; the colour is put back.
        const int element = COLOR_BTNFACE;
        const COLORREF savedFace = GetSysColor(COLOR_BTNFACE);
        for (const COLORREF colour : {RGB(255, 200, 120), RGB(40, 90, 60)}) {
            SetSysColors(1, &element, &colour);
            const PictureOnButton coloured =
                PhotographPicture(check, *source, 16, [&](const PictureOnButton& s) { return s.face == colour; });
            EXPECT_TRUE(coloured.face == colour && coloured.unlikeFace == 0)
                << "face colour " << ColourText(colour) << ": " << Describe(coloured);
        }
        SetSysColors(1, &element, &savedFace);
    }
    UnloadCheckWindow();
}

}  // namespace
}  // namespace morvane::e2e
