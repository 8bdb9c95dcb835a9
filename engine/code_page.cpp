#include "code_page.h"

namespace morvane {
namespace {

// Windows-1252 from 0x80 to 0x9F; every other byte is the code point of the same value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

AnsiCodePage MakeWindows1252() {
    AnsiCodePage page;
    for (int b = 0; b < 256; ++b) page.toChar[b] = static_cast<char16_t>(b);
    for (int i = 0; i < 32; ++i) page.toChar[0x80 + i] = kHighControls[i];
    return page;
}

}  // namespace

const AnsiCodePage& AnsiCodePage::Windows1252() {
    static const AnsiCodePage page = MakeWindows1252();
    return page;
}

std::u16string AnsiCodePage::Decode(std::string_view bytes) const {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) text[i] = toChar[static_cast<unsigned char>(bytes[i])];
    return text;
}

}  // namespace morvane
