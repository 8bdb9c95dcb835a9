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
#include <cstdio>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "engine/char_case.h"
#include "engine/code_page.h"
#include "engine/utf8.h"

namespace morvane {
namespace {

// One iconv conversion, kept open for many texts.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == kFailed) throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // The text converted up to the first sequence iconv refuses or finds cut short; `complete`
    // when it took every byte.
    std::string Convert(std::string_view in, bool& complete) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out(4 * in.size() + 4, '\0');
        char* from = const_cast<char*>(in.data());
        std::size_t fromLeft = in.size();
        char* to = out.data();
        std::size_t toLeft = out.size();
        complete = iconv(cd_, &from, &fromLeft, &to, &toLeft) != static_cast<std::size_t>(-1);
        out.resize(out.size() - toLeft);
        return out;
    }

private:
    static inline const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);
    iconv_t cd_;
};

std::u16string FromUtf16Le(const std::string& bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return units;
}

// Empty when the texts are equal, else where they first differ: long texts are not printed whole.
template <typename Text>
std::string Difference(const Text& got, const Text& expected) {
    if (got == expected) return {};
    std::size_t i = 0;
    while (i < got.size() && i < expected.size() && got[i] == expected[i]) ++i;
    using Unit = std::make_unsigned_t<typename Text::value_type>;
    auto at = [i](const Text& t) { return i < t.size() ? unsigned{static_cast<Unit>(t[i])} : 0u; };
    char text[120];
    std::snprintf(text, sizeof text, "from unit %zu: got %X, expected %X (lengths %zu, %zu)", i, at(got), at(expected),
                  got.size(), expected.size());
    return text;
}

TEST(Utf8Test, EveryCodePointGoesThroughBothFormsAsTheCLibraryWritesThem) {
    std::string utf32;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        for (int shift = 0; shift < 32; shift += 8) utf32.push_back(static_cast<char>(cp >> shift));
    }
    bool complete8 = false, complete16 = false;
    const std::string utf8 = Iconv("UTF-8", "UTF-32LE").Convert(utf32, complete8);
    const std::u16string utf16 = FromUtf16Le(Iconv("UTF-16LE", "UTF-32LE").Convert(utf32, complete16));
    ASSERT_TRUE(complete8 && complete16);
    EXPECT_EQ(Difference(Utf8ToUtf16(utf8), utf16), "");
    EXPECT_EQ(Difference(Utf16ToUtf8(utf16), utf8), "");
}

// Decoding gives its first U+FFFD exactly where the C library stops: every lead byte with every
// second byte, followed by the smallest and the largest continuation bytes or by a letter.
TEST(Utf8Test, DecodingGivesUpWhereTheCLibraryDoesForEveryTwoByteStart) {
    Iconv toUtf16("UTF-16LE", "UTF-8");
    for (const std::string tail : {"\x80\x80\x80", "\xBF\xBF\xBF", "a"}) {
        for (int first = 0; first < 256; ++first) {
            for (int second = 0; second < 256; ++second) {
                const std::string bytes = std::string{static_cast<char>(first), static_cast<char>(second)} + tail;
                bool complete = false;
                const std::u16string valid = FromUtf16Le(toUtf16.Convert(bytes, complete));
                const std::u16string decoded = Utf8ToUtf16(bytes);
                const std::u16string expected = complete ? valid : valid + u'\uFFFD';
                ASSERT_EQ(decoded.substr(0, expected.size()), expected)
                    << std::hex << "bytes " << first << " " << second << " then " << int{static_cast<unsigned char>(tail[0])};
            }
        }
    }
}

// Each unpaired surrogate is written as U+FFFD, a high one before a whole pair included.
TEST(Utf8Test, EveryUnpairedSurrogateIsReplaced) {
    for (char32_t unit = 0xD800; unit <= 0xDFFF; ++unit) {
        const char16_t alone[] = {u'x', static_cast<char16_t>(unit), u'y'};
        ASSERT_EQ(Utf16ToUtf8(std::u16string_view(alone, 3)), "x\xEF\xBF\xBDy") << std::hex << static_cast<unsigned>(unit);
        const char16_t beforePair[] = {static_cast<char16_t>(unit), 0xDBFF, 0xDFFF};
        ASSERT_EQ(Utf16ToUtf8(std::u16string_view(beforePair, 3)), "\xEF\xBF\xBD\xF4\x8F\xBF\xBF") << std::hex << static_cast<unsigned>(unit);
    }
}

// Bytes iconv leaves undefined are the code points of the same value, as Windows maps them.
TEST(CodePageTest, Windows1252DecodesEveryByteAsTheCLibraryDoes) {
    Iconv fromCp1252("UTF-16LE", "CP1252");
    const AnsiCodePage& page = AnsiCodePage::Windows1252();
    for (int b = 0; b < 256; ++b) {
        bool defined = false;
        const std::u16string c = FromUtf16Le(fromCp1252.Convert(std::string(1, static_cast<char>(b)), defined));
        EXPECT_EQ(page.toChar[b], defined ? c.at(0) : static_cast<char16_t>(b)) << std::hex << "byte " << b;
    }
    EXPECT_EQ(page.Decode("\x80 \xFF\x81"), u"\u20AC \u00FF\u0081");
}

// Within the blocks the engine maps (Basic Latin to Latin Extended-A, the f with hook of
// Windows-1252, basic Greek and Cyrillic) each unit maps as the C library maps it; every
// other unit maps to itself.
TEST(CharCase, EveryUnitMapsAsTheCLibraryDoesInsideTheMappedBlocksAndToItselfOutside) {
    const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    ASSERT_NE(unicode, locale_t{}) << "the C.UTF-8 locale is missing";
    const std::pair<char16_t, char16_t> mapped[] = {{0x0000, 0x017F}, {0x0191, 0x0192}, {0x0386, 0x03CE}, {0x0400, 0x045F}};
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        const auto c = static_cast<char16_t>(unit);
        const bool inside = std::ranges::any_of(mapped, [c](const auto& block) { return c >= block.first && c <= block.second; });
        const auto lower = static_cast<char16_t>(inside ? towlower_l(c, unicode) : c);
        const auto upper = static_cast<char16_t>(inside ? towupper_l(c, unicode) : c);
        ASSERT_EQ(LowerChar(c), lower) << std::hex << static_cast<unsigned>(unit);
        ASSERT_EQ(UpperChar(c), upper) << std::hex << static_cast<unsigned>(unit);
    }
    freelocale(unicode);
}

}  // namespace
}  // namespace morvane
