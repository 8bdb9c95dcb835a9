#include "first_letter_scan.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace morvane {

void FirstLetterScan::Scan(const char* data, std::size_t available) { ScanUpTo(data, available, false); }

void FirstLetterScan::Finish(const char* data, std::size_t size) { ScanUpTo(data, size, true); }

void FirstLetterScan::NoteEntry(const char* data, std::size_t start, std::size_t size, std::int64_t index) {
    // An entry is empty when it ends where it starts: at the end, or at a CR LF.
    if (start == size || (data[start] == '\r' && start + 1 < size && data[start + 1] == '\n')) return;
    const auto first = static_cast<unsigned char>(data[start]);
    if (!haveRecent_) {
        haveRecent_ = true;
        recent_ = beforeRecent_ = first;
    } else if (first != recent_) {
        beforeRecent_ = recent_;
        recent_ = first;
    }
    if (firstByByte_[first].index < 0) firstByByte_[first] = {index, static_cast<std::uint32_t>(start)};
}

// Before the end, a pair's LF at p is looked at only once p + 2 bytes are there, so that the
// entry after it can be told empty or not.
void FirstLetterScan::ScanUpTo(const char* data, std::size_t available, bool atEnd) {
    if (next_ == 0) {
        if (available == 0) {
            if (atEnd) entries_ = 0;
            return;
        }
        if (!atEnd && available < 2) return;
        NoteEntry(data, 0, atEnd ? available : available + 1, 0);
        checkpoints_.push_back({0, 1});
        nextCheckpoint_ = kCheckpointBytes;
        entries_ = 1;
        next_ = 1;  // a LF at 0 ends no pair
    }
    if (!atEnd && available < next_ + 2) return;
    const std::size_t size = atEnd ? available : available + 1;  // "not the end" while reading
#if defined(__SSE2__)
    // Sixteen possible LFs at a time, with the bytes before and after them (the search
    // structures find CR LF pairs with ScanLineBreaks of line_breaks.h, which looks at nothing
    // else; this scan stays apart to read the first bytes in the same pass). In a sorted list
    // nearly every entry begins like one of the two entries before it: a block whose entries
    // all do is only counted. Pairs are counted in byte lanes, added up before one overflows.
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'), zero = _mm_setzero_si128();
    const auto load = [&](std::size_t from) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from)); };
    __m128i laneCounts = zero;
    int blocksCounted = 0;
    auto addUpLanes = [&] {
        const __m128i sums = _mm_sad_epu8(laneCounts, zero);
        entries_ += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
        laneCounts = zero;
        blocksCounted = 0;
    };
    for (; next_ + 18 <= available; next_ += 16) {
        if (next_ >= nextCheckpoint_) {
            addUpLanes();
            NoteCheckpoint();
        }
        const __m128i pairEnds = _mm_and_si128(_mm_cmpeq_epi8(load(next_), lf), _mm_cmpeq_epi8(load(next_ - 1), cr));
        __m128i fresh = pairEnds;
        if (haveRecent_) {
            const __m128i firsts = load(next_ + 1);
            const __m128i alike = _mm_or_si128(_mm_cmpeq_epi8(firsts, _mm_set1_epi8(static_cast<char>(recent_))),
                                               _mm_cmpeq_epi8(firsts, _mm_set1_epi8(static_cast<char>(beforeRecent_))));
            fresh = _mm_andnot_si128(alike, pairEnds);
        }
        if (_mm_movemask_epi8(fresh) == 0) {
            laneCounts = _mm_sub_epi8(laneCounts, pairEnds);
            if (++blocksCounted == 255) addUpLanes();
            continue;
        }
        addUpLanes();
        for (auto mask = static_cast<std::uint32_t>(_mm_movemask_epi8(pairEnds)); mask != 0; mask &= mask - 1) {
            NoteEntry(data, next_ + static_cast<std::size_t>(std::countr_zero(mask)) + 1, size, entries_++);
        }
    }
    addUpLanes();
#endif
    const std::size_t last = atEnd ? available : available - 2;
    for (; next_ < last; ++next_) {
        if (next_ >= nextCheckpoint_) NoteCheckpoint();
        if (data[next_] == '\n' && data[next_ - 1] == '\r') NoteEntry(data, next_ + 1, size, entries_++);
    }
}

}  // namespace morvane
