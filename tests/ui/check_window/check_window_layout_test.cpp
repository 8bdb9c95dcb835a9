// The check window's layout at different screen resolutions, and its centring.
#include <gtest/gtest.h>

#include <iterator>
#include <stdexcept>

#include "ui/check_window/check_window_layout.h"

namespace morvane {
namespace {

const ControlLayout& Control(int id) {
    for (const ControlLayout& control : kCheckWindowControls) {
        if (control.id == id) return control;
    }
    throw std::out_of_range("no such control");
}

TEST(CheckWindowLayout, ClientAreaAtNinetySixAndOneHundredFortyFourDotsPerInch) {
    EXPECT_EQ(CheckWindowClientSize(96).cx, 191);
    EXPECT_EQ(CheckWindowClientSize(96).cy, 154);
    EXPECT_EQ(CheckWindowClientSize(144).cx, 287);  // 286.5 rounds up
    EXPECT_EQ(CheckWindowClientSize(144).cy, 231);
}

TEST(CheckWindowLayout, ControlsLandWhereTheTwipsSay) {
    const RECT word = TwipsToPixelRect(Control(kIdWordBox).place, 96);
    EXPECT_EQ(word.left, 59);
    EXPECT_EQ(word.top, 43);
    EXPECT_EQ(word.right - word.left, 99);
    EXPECT_EQ(word.bottom - word.top, 24);
    const RECT list = TwipsToPixelRect(Control(kIdWordList).place, 192);
    EXPECT_EQ(list.left, 8);
    EXPECT_EQ(list.top, 142);
    EXPECT_EQ(list.right - list.left, 306);
    EXPECT_EQ(list.bottom - list.top, 164);
}

TEST(CheckWindowLayout, ControlsAreInTabOrderWithTheirKindsAndNames) {
    const int order[] = {kIdWordBox, kIdWordLabel, kIdCheck, kIdWordList, kIdCopy};
    for (std::size_t i = 0; i < std::size(order); ++i) EXPECT_EQ(kCheckWindowControls[i].id, order[i]);
    EXPECT_EQ(Control(kIdCheck).style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_NE(Control(kIdCheck).style & BS_BITMAP, 0u);
    EXPECT_NE(Control(kIdCopy).style & BS_BITMAP, 0u);
    EXPECT_STREQ(Control(kIdCheck).text, L"Check");
    EXPECT_STREQ(Control(kIdCopy).text, L"Copy");
    EXPECT_STREQ(Control(kIdWordLabel).text, L"Word");
    EXPECT_EQ(Control(kIdWordList).style & LBS_SORT, 0u);
    EXPECT_EQ(Control(kIdWordList).style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL), 0u);
    EXPECT_EQ(Control(kIdWordBox).style & ES_MULTILINE, 0u);
}

TEST(CentredOnScreen, HalvesTheDifferenceDroppingTheRemainderTowardsZero) {
    const POINT even = CentredOnScreen({1024, 768}, {200, 170});
    EXPECT_EQ(even.x, 412);
    EXPECT_EQ(even.y, 299);
    const POINT odd = CentredOnScreen({1024, 768}, {201, 171});
    EXPECT_EQ(odd.x, 411);
    EXPECT_EQ(odd.y, 298);
    const POINT larger = CentredOnScreen({100, 100}, {201, 203});
    EXPECT_EQ(larger.x, -50);
    EXPECT_EQ(larger.y, -51);
}

}  // namespace
}  // namespace morvane
