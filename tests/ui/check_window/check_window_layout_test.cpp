// The check window's layout at resolutions other than the test display's, and its centring
// (the end-to-end tests check the controls' order and places at the display's own).
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "ui/check_window/check_window_layout.h"

namespace morvane {
namespace {

// Where the control lands at this resolution, as (left, top, width, height).
std::tuple<LONG, LONG, LONG, LONG> PixelPlace(int id, int dotsPerInch) {
    const auto control = std::find_if(kCheckWindowControls.begin(), kCheckWindowControls.end(),
                                      [&](const ControlLayout& c) { return c.id == id; });
    const RECT r = TwipsToPixelRect(control->place, dotsPerInch);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

TEST(CheckWindowLayout, ClientAreaAndControlsLandWhereTheTwipsSayAtEachResolution) {
    const SIZE at96 = CheckWindowClientSize(96), at144 = CheckWindowClientSize(144);
    EXPECT_EQ(std::tuple(at96.cx, at96.cy), std::tuple(191L, 154L));
    EXPECT_EQ(std::tuple(at144.cx, at144.cy), std::tuple(287L, 231L));  // 286.5 rounds up
    EXPECT_EQ(PixelPlace(kIdWordBox, 96), std::tuple(59L, 43L, 99L, 24L));
    EXPECT_EQ(PixelPlace(kIdWordList, 192), std::tuple(8L, 142L, 306L, 164L));
}

TEST(CentredOnScreen, HalvesTheDifferenceDroppingTheRemainderTowardsZero) {
    const struct {
        SIZE screen, window;
        LONG x, y;
    } cases[] = {{{1024, 768}, {200, 170}, 412, 299},
                 {{1024, 768}, {201, 171}, 411, 298},
                 {{100, 100}, {201, 203}, -50, -51}};
    for (const auto& c : cases) {
        const POINT corner = CentredOnScreen(c.screen, c.window);
        EXPECT_EQ(std::tuple(corner.x, corner.y), std::tuple(c.x, c.y));
    }
}

}  // namespace
}  // namespace morvane
