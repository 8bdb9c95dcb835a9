#pragma once
// The About dialog's layout in twips (1/1440 inch) from the top left corner of the client
// area, and its control identifiers. Controls are listed in tab order.
#include "ui/twips.h"

namespace morvane {

struct TwipsRect {
    int left, top, width, height;
};

struct PixelRect {
    int left, top, width, height;
};

constexpr PixelRect ToPixels(TwipsRect r, int dotsPerInch) {
    return {TwipsToPixels(r.left, dotsPerInch), TwipsToPixels(r.top, dotsPerInch),
            TwipsToPixels(r.width, dotsPerInch), TwipsToPixels(r.height, dotsPerInch)};
}

inline constexpr int kAboutClientWidth = 5730;
inline constexpr int kAboutClientHeight = 3555;

// Control identifiers: cmdOK is IDOK (1), so Enter and the dialog manager find it.
inline constexpr int kIdOk = 1;
inline constexpr int kIdIcon = 101;
inline constexpr int kIdSysInfo = 102;
inline constexpr int kIdDisclaimer = 103;
inline constexpr int kIdTitle = 104;
inline constexpr int kIdVersion = 105;
inline constexpr int kIdDescription = 106;

inline constexpr TwipsRect kOkRect{4245, 2625, 1260, 345};            // cmdOK
inline constexpr TwipsRect kIconRect{165, 720, 1020, 1020};           // picIcon: the logo in a sunken frame
inline constexpr TwipsRect kSysInfoRect{4260, 3075, 1245, 345};       // cmdSysInfo
inline constexpr TwipsRect kDisclaimerRect{255, 2625, 3870, 825};     // lblDisclaimer
inline constexpr TwipsRect kTitleRect{1350, 255, 3885, 480};          // lblTitle
inline constexpr TwipsRect kVersionRect{1350, 795, 3885, 225};        // lblVersion
inline constexpr TwipsRect kDescriptionRect{1335, 1125, 3960, 1275};  // txtDescription

// The etched separator: a dark grey line one pixel wide with a white line two pixels wide
// just below it (line widths are pixels at 96 dots per inch).
struct TwipsLine {
    int left, top, right, thicknessTwips;
};
inline constexpr TwipsLine kDarkLine{90, 2445, 5654, 15};
inline constexpr TwipsLine kLightLine{105, 2460, 5654, 30};

inline constexpr int kTitleTenthsOfPoint = 135;  // 13.5 points

}  // namespace morvane
