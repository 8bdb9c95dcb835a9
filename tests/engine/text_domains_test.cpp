// The engine's text conversions and tables over their whole domains, against the C library's
// own: every code point through UTF-8 and UTF-16 and back, where decoding first gives up on
// every two-byte start of a sequence, every byte of Windows-1252 (iconv) and every UTF-16
// unit through the case mapping (the C.UTF-8 locale). Native only: the Windows builds run the
// same portable code.
#include <gtest/gtest.h>
#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "engine/char_case.h"
#include "engine/code_page.h"
#include "engine/utf8.h"

namespace morvane {
namespace {

// The bytes converted by iconv up to the first sequence it refuses or finds cut short;
// `complete` when it took them all. Texts of wider units are little-endian, as this machine.
template <typename Text>
Text Iconv(const char* to, const char* from, std::string_view in, bool& complete) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("iconv has no ") + from);
    Text out(in.size() + 1, {});
    char* source = const_cast<char*>(in.data());
    char* target = reinterpret_cast<char*>(out.data());
    std::size_t sourceLeft = in.size(), targetLeft = out.size() * sizeof out[0];
    complete = iconv(cd, &source, &sourceLeft, &target, &targetLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    out.resize(out.size() - targetLeft / sizeof out[0]);
    return out;
}

// Where two long texts first differ, so that a failure names a place rather than printing them.
template <typename Text>
std::ptrdiff_t FirstDifference(const Text& a, const Text& b) {
    return a == b ? -1 : std::ranges::mismatch(a, b).in1 - a.begin();
}

TEST(Utf8Test, EveryCodePointGoesThroughBothFormsAsTheCLibraryWritesThem) {
    std::u32string all;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp < 0xD800 || cp > 0xDFFF) all.push_back(cp);
    }
    const std::string_view bytes(reinterpret_cast<const char*>(all.data()), 4 * all.size());
    bool complete8 = false, complete16 = false;
    const auto utf8 = Iconv<std::string>("UTF-8", "UTF-32LE", bytes, complete8);
    const auto utf16 = Iconv<std::u16string>("UTF-16LE", "UTF-32LE", bytes, complete16);
    ASSERT_TRUE(complete8 && complete16);
    EXPECT_EQ(FirstDifference(Utf8ToUtf16(utf8), utf16), -1) << "the decoded UTF-8 differs from this unit on";
    EXPECT_EQ(FirstDifference(Utf16ToUtf8(utf16), utf8), -1) << "the encoded UTF-8 differs from this byte on";
}

// Decoding gives its first U+FFFD exactly where the C library stops: every lead byte with every
// second byte, followed by the smallest or the largest continuation bytes or by a letter.
TEST(Utf8Test, DecodingGivesUpWhereTheCLibraryDoesForEveryTwoByteStart) {
    for (const std::string tail : {"\x80\x80\x80", "\xBF\xBF\xBF", "a"}) {
        for (int pair = 0; pair < 0x10000; ++pair) {
            const std::string bytes = std::string{static_cast<char>(pair >> 8), static_cast<char>(pair)} + tail;
            bool complete = false;
            const auto valid = Iconv<std::u16string>("UTF-16LE", "UTF-8", bytes, complete);
            const std::u16string expected = complete ? valid : valid + u'\uFFFD';
            ASSERT_EQ(Utf8ToUtf16(bytes).substr(0, expected.size()), expected) << ::testing::PrintToString(bytes);
        }
    }
}

// Bytes iconv leaves undefined are the code points of the same value, as Windows maps them.
TEST(CodePageTest, Windows1252DecodesEveryByteAsTheCLibraryDoes) {
    for (int b = 0; b < 256; ++b) {
        bool defined = false;
        const auto c = Iconv<std::u16string>("UTF-16LE", "CP1252", std::string(1, static_cast<char>(b)), defined);
        EXPECT_EQ(AnsiCodePage::Windows1252().toChar[b], defined ? c.at(0) : b) << "byte " << b;
    }
}

// Within the blocks the engine maps (Basic Latin to Latin Extended-A, the f with hook of
// Windows-1252, basic Greek and Cyrillic) each unit maps as the C library maps it; every
// other unit maps to itself.
TEST(CharCase, EveryUnitMapsAsTheCLibraryDoesInsideTheMappedBlocksAndToItselfOutside) {
    const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    ASSERT_NE(unicode, locale_t{}) << "the C.UTF-8 locale is missing";
    const std::pair<char16_t, char16_t> mapped[] = {{0, 0x17F}, {0x191, 0x192}, {0x386, 0x3CE}, {0x400, 0x45F}};
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const auto c = static_cast<char16_t>(unit);
        const bool inside = std::ranges::any_of(mapped, [c](auto block) { return c >= block.first && c <= block.second; });
        ASSERT_EQ(LowerChar(c), static_cast<char16_t>(inside ? towlower_l(c, unicode) : c)) << unit;
        ASSERT_EQ(UpperChar(c), static_cast<char16_t>(inside ? towupper_l(c, unicode) : c)) << unit;
    }
    freelocale(unicode);
}

}  // namespace
}  // namespace morvane
