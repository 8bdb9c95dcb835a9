#pragma once
// Finding the CR LF pairs of a buffer, sixteen bytes at a time where the processor allows.
// The search structures use it (word_list_index.cpp); loading has a scan of its own that
// looks at the bytes around each pair in the same pass (first_letter_scan.cpp).
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace morvane {

// Calls onBlock(blockStart, breaks) for every block of up to 16 bytes of data[from, to) that
// holds the LF of a CR LF pair; bit i of breaks is set when the byte at blockStart + i is such
// an LF (its CR may be the byte before `from`). Blocks come in order; the scan stops when
// onBlock returns false. A LF at position 0 ends no pair.
template <typename OnBlock>
void ScanLineBreaks(const char* data, std::size_t from, std::size_t to, OnBlock&& onBlock) {
    std::size_t start = from;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    std::uint32_t crCarry = from > 0 && data[from - 1] == '\r' ? 1 : 0;  // the block before ended with a CR
    for (; start + 16 <= to; start += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + start));
        const auto lfs = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lf)));
        const auto crs = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, cr)));
        const std::uint32_t breaks = lfs & ((crs << 1) | crCarry);
        crCarry = crs >> 15;
        if (breaks != 0 && !onBlock(start, breaks)) return;
    }
#endif
    for (; start < to; start += 16) {
        std::uint32_t breaks = 0;
        for (std::size_t i = 0; i < 16 && start + i < to; ++i) {
            const std::size_t at = start + i;
            if (data[at] == '\n' && at > 0 && data[at - 1] == '\r') breaks |= 1u << i;
        }
        if (breaks != 0 && !onBlock(start, breaks)) return;
    }
}

}  // namespace morvane
