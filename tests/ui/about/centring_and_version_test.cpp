// The About dialog's plain arithmetic: centring and the version label.
#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include "ui/about/centring.h"
#include "ui/about/version_label.h"

namespace morvane {
namespace {

// The difference is rounded half to even first, then halved dropping the remainder.
TEST(CentredOrigin, RoundsTheDifferenceHalfToEvenThenHalvesItTowardsZero) {
    const std::tuple<double, double, int> cases[] = {
        {1024, 382, 321},   {1024, 383, 320},      // 641 / 2
        {768, 768, 0},      {1024, 381.5, 321},    // 642.5 -> 642
        {1024, 380.5, 322}, {1024, 382.6, 320},    // 643.5 -> 644; 641.4 -> 641
        {0, 2.5, -1},       {100, 301, -100},      // -2.5 -> -2; -201 / 2
        {100, 300.5, -100}, {100, 301.5, -101},    // -200.5 -> -200; -201.5 -> -202
        {100, 303, -101},                          // -203 / 2
    };
    for (const auto& [screen, window, expected] : cases) {
        EXPECT_EQ(CentredOrigin(screen, window), expected) << screen << " " << window;
    }
}

TEST(VersionLabel, ShowsTheProgramsVersionInformationWithoutLeadingZeros) {
    EXPECT_EQ(VersionLabel(1, 0, 12), L"Version 1.0.12");
    EXPECT_EQ(VersionLabel(10, 2, 305), L"Version 10.2.305");
    // The test program carries the program's resources, version information included.
    EXPECT_EQ(ModuleVersionLabel(GetModuleHandleW(nullptr)), L"Version 1.0.0");
}

}  // namespace
}  // namespace morvane
