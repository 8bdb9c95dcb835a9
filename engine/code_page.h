#pragma once
// An 8-bit (ANSI) code page: one byte, one character. The dictionary file is decoded
// through it, a byte at a time.
#include <array>
#include <string>
#include <string_view>

namespace morvane {

struct AnsiCodePage {
    std::array<char16_t, 256> toChar{};

    // Windows-1252; its five undefined bytes (0x81 0x8D 0x8F 0x90 0x9D) map to the code
    // points of the same value, as Windows maps them.
    static const AnsiCodePage& Windows1252();

    std::u16string Decode(std::string_view bytes) const;
};

}  // namespace morvane
