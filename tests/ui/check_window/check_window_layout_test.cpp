// The check window's layout at resolutions other than the test display's, and the centring
// both windows use (the end-to-end tests check the controls' order and places at the
// display's own).
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "ui/check_window/check_window_layout.h"

namespace morvane {
namespace {

// Where the control lands at this resolution, as (left, top, width, height).
std::tuple<LONG, LONG, LONG, LONG> PixelPlace(int id, int dotsPerInch) {
    const auto control = std::ranges::find(kCheckWindowControls, id, &ControlSpec::id);
    const RECT r = TwipsToPixelRect(control->place, dotsPerInch);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

TEST(CheckWindowLayout, ClientAreaAndControlsLandWhereTheTwipsSayAtEachResolution) {
    const SIZE at96 = TwipsToPixelSize(kCheckWindowForm.client, 96);
    const SIZE at144 = TwipsToPixelSize(kCheckWindowForm.client, 144);
    EXPECT_EQ(std::tuple(at96.cx, at96.cy), std::tuple(191L, 154L));
    EXPECT_EQ(std::tuple(at144.cx, at144.cy), std::tuple(287L, 231L));  // 286.5 rounds up
    EXPECT_EQ(PixelPlace(kIdWordBox, 96), std::tuple(59L, 43L, 99L, 24L));
    EXPECT_EQ(PixelPlace(kIdWordList, 192), std::tuple(8L, 142L, 306L, 164L));
}

TEST(CentredOrigin, HalvesTheDifferenceDroppingTheRemainderTowardsZero) {
    const std::tuple<int, int, int> cases[] = {
        {1024, 200, 412}, {768, 170, 299}, {1024, 201, 411}, {768, 171, 298},
        {1024, 382, 321}, {1024, 383, 320}, {768, 768, 0},   {100, 201, -50},
        {100, 203, -51},  {100, 301, -100}, {100, 303, -101},
    };
    for (const auto& [screen, window, expected] : cases) {
        EXPECT_EQ(CentredOrigin(screen, window), expected) << screen << " " << window;
    }
}

}  // namespace
}  // namespace morvane
