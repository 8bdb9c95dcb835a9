#include "ui/check_window/check_window_layout.h"

#include "ui/twips.h"

namespace morvane {

RECT TwipsToPixelRect(const TwipsRect& place, int dotsPerInch) {
    const int left = TwipsToPixels(place.left, dotsPerInch);
    const int top = TwipsToPixels(place.top, dotsPerInch);
    return {left, top, left + TwipsToPixels(place.width, dotsPerInch),
            top + TwipsToPixels(place.height, dotsPerInch)};
}

SIZE CheckWindowClientSize(int dotsPerInch) {
    return {TwipsToPixels(kClientWidthTwips, dotsPerInch),
            TwipsToPixels(kClientHeightTwips, dotsPerInch)};
}

POINT CentredOnScreen(SIZE screen, SIZE window) {
    return {(screen.cx - window.cx) / 2, (screen.cy - window.cy) / 2};
}

}  // namespace morvane
