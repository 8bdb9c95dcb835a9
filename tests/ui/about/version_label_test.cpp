// The About dialog's version label.
#include "ui/about/version_label.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(VersionLabel, ShowsTheProgramsVersionInformationWithoutLeadingZeros) {
    EXPECT_EQ(VersionLabel(1, 0, 12), L"Version 1.0.12");
    EXPECT_EQ(VersionLabel(10, 2, 305), L"Version 10.2.305");
    // The test program carries the program's resources, version information included.
    EXPECT_EQ(ModuleVersionLabel(GetModuleHandleW(nullptr)), L"Version 1.0.0");
}

}  // namespace
}  // namespace morvane
