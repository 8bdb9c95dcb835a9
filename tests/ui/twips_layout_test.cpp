// Twips to pixels against the system's own scaling, MulDiv, which rounds halves away from
// zero: every value a layout could use, negative ones and the ends of the range too.
#include "ui/dialog/twips_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace morvane {
namespace {

TEST(TwipsLayout, EveryValueRoundsAsTheSystemScalesIt) {
    for (const int dpi : {72, 96, 120, 144, 168, 192, 240, 288, 384}) {
        for (int twips = -30000; twips <= 30000; ++twips) {
            ASSERT_EQ(TwipsToPixels(twips, dpi), MulDiv(twips, dpi, 1440)) << twips << " twips at " << dpi << " dpi";
        }
        for (const int twips : {INT_MIN + 1, INT_MAX}) EXPECT_EQ(TwipsToPixels(twips, dpi), MulDiv(twips, dpi, 1440));
    }
}

}  // namespace
}  // namespace morvane
