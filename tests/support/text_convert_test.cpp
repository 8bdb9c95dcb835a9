// Conversions at the Win32 boundary.
#include "support/text_convert.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace morvane {
namespace {

TEST(TextConvert, AnsiGoesThroughTheSystemCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "the system code page is " << GetACP();
    EXPECT_EQ(AnsiToWide("caf\xe9 \x80"), L"caf\u00e9 \u20ac");
    EXPECT_EQ(WideToAnsi(L"caf\u00e9 \u20ac"), "caf\xe9 \x80");
    EXPECT_EQ(WideToAnsi(L"\u0416"), "?");  // not in the code page: its default character
    EXPECT_EQ(AnsiToWide(""), L"");
    EXPECT_EQ(WideToAnsi(L""), "");
}

}  // namespace
}  // namespace morvane
