#pragma once
// Window layouts are written in twips (1/1440 inch) and placed in pixels at the screen's
// real resolution: 15 twips are one pixel at 96 dots per inch.
#include <windows.h>

namespace morvane {

struct TwipsRect {
    int left, top, width, height;
};

struct TwipsSize {
    int width, height;
};

constexpr int TwipsToPixels(int twips, int dotsPerInch) {
    // Rounded to the nearest pixel, halves away from zero.
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

static_assert(TwipsToPixels(2865, 96) == 191 && TwipsToPixels(2310, 96) == 154);
static_assert(TwipsToPixels(15, 144) == 2 && TwipsToPixels(5730, 192) == 764);

// The rectangle in pixels at dotsPerInch (each coordinate converted on its own, rounded).
constexpr RECT TwipsToPixelRect(const TwipsRect& place, int dotsPerInch) {
    const int left = TwipsToPixels(place.left, dotsPerInch);
    const int top = TwipsToPixels(place.top, dotsPerInch);
    return {left, top, left + TwipsToPixels(place.width, dotsPerInch),
            top + TwipsToPixels(place.height, dotsPerInch)};
}

constexpr SIZE TwipsToPixelSize(const TwipsSize& size, int dotsPerInch) {
    return {TwipsToPixels(size.width, dotsPerInch), TwipsToPixels(size.height, dotsPerInch)};
}

// The origin (left or top) that centres a window of windowSize on a screen of screenSize:
// the difference halved, the remainder dropped (towards zero). The About dialog's rule
// rounds the difference to a whole number (half to even) before halving it; sizes in whole
// pixels leave nothing to round, so this one rule serves both windows.
constexpr int CentredOrigin(int screenSize, int windowSize) {
    return (screenSize - windowSize) / 2;
}

}  // namespace morvane
