#include "letters.h"

#include <algorithm>
#include <iterator>

namespace morvane {
namespace {

struct LetterRange {
    char32_t first, last;
};

constexpr LetterRange kLetterRanges[] = {
#include "letter_table.inc"
};

}  // namespace

bool IsWordLetter(char32_t c) {
    if (c < 0x80) return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
    // The first range that ends at or after c holds c, if any does.
    const auto range = std::lower_bound(std::begin(kLetterRanges), std::end(kLetterRanges), c,
                                        [](const LetterRange& r, char32_t code) { return r.last < code; });
    return range != std::end(kLetterRanges) && range->first <= c;
}

}  // namespace morvane
