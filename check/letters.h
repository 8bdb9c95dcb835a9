#pragma once
// The characters words are made of: Unicode's letters and combining marks, from a table made
// at build time from Python's Unicode database (check/make_letter_table.py).
#include <cstddef>
#include <string_view>

namespace morvane {

// True for a code point in one of the letter (L*) or combining mark (M*) categories.
bool IsWordLetter(char32_t c);

// The code point at text[i] and how many code units it takes: a surrogate pair is one code
// point of two units; an unpaired surrogate stands for itself.
struct CodePoint {
    char32_t value;
    std::size_t units;
};
inline CodePoint CodePointAt(std::u16string_view text, std::size_t i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
        return {0x10000 + ((char32_t{c} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00), 2};
    }
    return {c, 1};
}

}  // namespace morvane
