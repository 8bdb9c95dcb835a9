// Twips to pixels and centring at the edges: halves, and a window larger than the screen.
#include "ui/dialog/twips_layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace morvane {
namespace {

TEST(TwipsLayout, RoundsHalfAPixelUpAndCentresDroppingTheRemainderTowardsZero) {
    EXPECT_EQ(TwipsToPixels(2865, 144), 287);  // 286.5
    EXPECT_EQ(TwipsToPixels(-2865, 144), -287);
    EXPECT_EQ(TwipsToPixels(2310, 144), 231);
    const RECT place = TwipsToPixelRect({60, 1065, 2295, 1230}, 192);
    EXPECT_EQ(std::tuple(place.left, place.top, place.right, place.bottom), std::tuple(8L, 142L, 314L, 306L));
    EXPECT_EQ(CentredOrigin(1024, 383), 320);
    EXPECT_EQ(CentredOrigin(100, 201), -50);
    EXPECT_EQ(CentredOrigin(100, 203), -51);
}

}  // namespace
}  // namespace morvane
