#pragma once
// Window layouts are written in twips (1/1440 inch) and placed in pixels at the screen's
// real resolution: 15 twips are one pixel at 96 dots per inch.

namespace morvane {

constexpr int TwipsToPixels(int twips, int dotsPerInch) {
    // Rounded to the nearest pixel, halves away from zero.
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

static_assert(TwipsToPixels(2865, 96) == 191 && TwipsToPixels(2310, 96) == 154);
static_assert(TwipsToPixels(15, 144) == 2 && TwipsToPixels(5730, 192) == 764);

}  // namespace morvane
