#pragma once
// The About dialog's controls and layout in twips from the top left corner of the client
// area.
#include "ui/about/about_texts.h"
#include "ui/dialog/dialog_form.h"

namespace morvane {

// Control identifiers: cmdOK is IDOK (1), so Enter and the dialog manager find it.
inline constexpr int kIdOk = 1;
inline constexpr int kIdIcon = 101;
inline constexpr int kIdSysInfo = 102;
inline constexpr int kIdDisclaimer = 103;
inline constexpr int kIdTitle = 104;
inline constexpr int kIdVersion = 105;
inline constexpr int kIdDescription = 106;

// In tab order: the order of creation is the order of the tab key. The version label's
// text is read from the program's version information when the dialog loads, and the
// description's is given once the box has its size, so that its scroll bar fits the text.
inline constexpr FormControl kAboutControls[] = {
    {kIdOk, L"BUTTON", kOkCaption, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, {4245, 2625, 1260, 345}},
    // picIcon: the logo in a sunken frame
    {kIdIcon, L"STATIC", L"", SS_BITMAP | SS_CENTERIMAGE, WS_EX_CLIENTEDGE, {165, 720, 1020, 1020}},
    {kIdSysInfo, L"BUTTON", kSysInfoCaption, WS_TABSTOP | BS_PUSHBUTTON, 0, {4260, 3075, 1245, 345}},
    {kIdDisclaimer, L"STATIC", kAboutDisclaimer, SS_LEFT | SS_NOPREFIX, 0, {255, 2625, 3870, 825}},
    {kIdTitle, L"STATIC", kAboutTitle, SS_LEFT | SS_NOPREFIX, 0, {1350, 255, 3885, 480}},
    {kIdVersion, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 0, {1350, 795, 3885, 225}},
    {kIdDescription, L"EDIT", L"", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
     WS_EX_CLIENTEDGE, {1335, 1125, 3960, 1275}},
};

inline constexpr FormLayout kAboutForm{kAboutControls, {5730, 3555}};

// The etched separator: a dark grey line one pixel wide with a white line two pixels wide
// just below it (line widths are pixels at 96 dots per inch).
struct TwipsLine {
    int left, top, right, thicknessTwips;
};
inline constexpr TwipsLine kDarkLine{90, 2445, 5654, 15};
inline constexpr TwipsLine kLightLine{105, 2460, 5654, 30};

inline constexpr int kTitleTenthsOfPoint = 135;  // 13.5 points

}  // namespace morvane
