// The About dialog's plain arithmetic: centring and the version label.
#include <gtest/gtest.h>
#include <windows.h>

#include "ui/about/centring.h"
#include "ui/about/version_label.h"

namespace morvane {
namespace {

TEST(CentredOrigin, HalvesTheDifferenceDroppingTheRemainder) {
    EXPECT_EQ(CentredOrigin(1024, 382), 321);
    EXPECT_EQ(CentredOrigin(1024, 383), 320);  // 641 / 2
    EXPECT_EQ(CentredOrigin(768, 768), 0);
}

TEST(CentredOrigin, RoundsTheDifferenceHalfToEvenFirst) {
    EXPECT_EQ(CentredOrigin(1024, 381.5), 321);  // 642.5 -> 642 -> 321
    EXPECT_EQ(CentredOrigin(1024, 380.5), 322);  // 643.5 -> 644 -> 322
    EXPECT_EQ(CentredOrigin(1024, 382.6), 320);  // 641.4 -> 641 -> 320
    EXPECT_EQ(CentredOrigin(0, 2.5), -1);        // -2.5 -> -2 -> -1
}

TEST(CentredOrigin, WindowLargerThanTheScreenGoesTowardsZero) {
    EXPECT_EQ(CentredOrigin(100, 301), -100);    // -201 / 2
    EXPECT_EQ(CentredOrigin(100, 300.5), -100);  // -200.5 -> -200
    EXPECT_EQ(CentredOrigin(100, 301.5), -101);  // -201.5 -> -202 -> -101
    EXPECT_EQ(CentredOrigin(100, 303), -101);    // -203 / 2
}

TEST(VersionLabel, ShowsMajorMinorAndRevisionWithoutLeadingZeros) {
    EXPECT_EQ(VersionLabel(1, 0, 0), L"Version 1.0.0");
    EXPECT_EQ(VersionLabel(1, 0, 12), L"Version 1.0.12");
    EXPECT_EQ(VersionLabel(10, 2, 305), L"Version 10.2.305");
}

TEST(VersionLabel, ComesFromTheProgramsVersionInformation) {
    // The test program carries the program's resources, version information included.
    EXPECT_EQ(ModuleVersionLabel(GetModuleHandleW(nullptr)), L"Version 1.0.0");
}

}  // namespace
}  // namespace morvane
