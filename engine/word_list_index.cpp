#include "word_list_index.h"

#include <algorithm>
#include <bit>

#include "char_case.h"
#include "line_breaks.h"

namespace morvane {

char16_t PhoneticDigit(char16_t upper) {
    //                               A   B    C    D    E  F    G    H  I  J    K    L    M
    static constexpr char kDigits[] = {0, '1', '3', '6', 0, '2', '4', 0, 0, '4', '3', '7', '8',
    //                               N    O  P    Q    R    S    T    U  V    W  X    Y  Z
                                       '8', 0, '1', '5', '9', '3', '6', 0, '2', 0, '5', 0, '5'};
    return upper >= u'A' && upper <= u'Z' ? static_cast<char16_t>(kDigits[upper - u'A']) : char16_t{0};
}

ByteTables::ByteTables(const AnsiCodePage& page) {
    for (int b = 0; b < 256; ++b) {
        lower[b] = LowerChar(page.toChar[b]);
        upper[b] = UpperChar(page.toChar[b]);
        digit[b] = PhoneticDigit(upper[b]);
    }
}

WordList::Index::Index(const WordList& list)
    : data_(list.bytes_.data.get()),
      size_(static_cast<std::uint32_t>(list.bytes_.size)),
      count_(list.count_),
      tables_(list.codePage_),
      checkpoints_(list.checkpoints_) {}

template <typename OnEntry>
void WordList::Index::ForEachEntryFrom(std::uint32_t start, OnEntry&& onEntry) const {
    std::uint32_t entryStart = start;
    bool more = true;
    ScanLineBreaks(data_, start, size_, [&](std::size_t blockStart, std::uint32_t breaks) {
        for (; breaks != 0; breaks &= breaks - 1) {
            const auto lf = static_cast<std::uint32_t>(blockStart + static_cast<std::size_t>(std::countr_zero(breaks)));
            if (!onEntry(entryStart, lf - 1)) return more = false;
            entryStart = lf + 1;
        }
        return true;
    });
    if (more) onEntry(entryStart, size_);
}

void WordList::Index::NoteLookup() {
    if (allStarts_ || --lookupsBeforeAllStarts_ > 0) return;
    FindStart(0);
    for (std::size_t chunk = 0; chunk < chunkBuilt_.size(); ++chunk) {
        if (!chunkBuilt_[chunk]) BuildChunk(chunk);
    }
    allStarts_ = true;
}

void WordList::Index::FindStart(std::int64_t index) {
    if (!starts_) {
        starts_ = std::make_unique_for_overwrite<std::uint32_t[]>(static_cast<std::size_t>(count_));
        starts_[0] = 0;
        chunkBuilt_.assign(checkpoints_.size() - 1, false);
    }
    // The last checkpoint at or before the entry holds its chunk (the first entry is before all).
    const auto after = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), index,
                                        [](std::int64_t i, const EntryCheckpoint& c) { return i < c.entries; });
    if (after == checkpoints_.begin()) return;
    const auto chunk = static_cast<std::size_t>(after - checkpoints_.begin() - 1);
    if (!chunkBuilt_[chunk]) BuildChunk(chunk);
}

void WordList::Index::BuildChunk(std::size_t chunk) {
    auto next = static_cast<std::size_t>(checkpoints_[chunk].entries);
    ScanLineBreaks(data_, checkpoints_[chunk].offset, checkpoints_[chunk + 1].offset,
                   [&](std::size_t blockStart, std::uint32_t breaks) {
                       for (; breaks != 0; breaks &= breaks - 1) {
                           starts_[next++] = static_cast<std::uint32_t>(
                               blockStart + static_cast<std::size_t>(std::countr_zero(breaks)) + 1);
                       }
                       return true;
                   });
    chunkBuilt_[chunk] = true;
}

void WordList::Index::FindStartsAround(std::int64_t index) {
    FindStart(index);
    if (index + 1 < count_) FindStart(index + 1);
}

std::uint64_t KeyCode::OfKey(std::u16string_view key) {
    std::uint64_t digits = 0;
    for (const char16_t digit : key.substr(1)) digits = (digits << 4) | (digit & 0xFu);
    return Make(key[0], digits);
}

std::uint64_t WordList::Index::EntryKeyCode(std::string_view entry) const {
    const char16_t first = tables_.upper[static_cast<unsigned char>(entry[0])];
    char16_t last = first;
    std::uint64_t digits = 0;
    for (std::size_t i = 1; i < entry.size(); ++i) {
        // Every letter of every entry passes here when a run is grouped, and whether it adds a
        // digit follows the word's vowels and consonants, which no branch predictor guesses:
        // `adds` is a mask of all ones or all zeros that shifts the digit in or leaves the
        // value as it is (the compiler turns a plain condition back into a branch).
        const char16_t d = tables_.digit[static_cast<unsigned char>(entry[i])];
        const std::uint64_t adds = 0 - static_cast<std::uint64_t>((d != 0) & (d != last));
        digits = (digits << (adds & 4)) | (d & 0xFu & adds);
        last = d != 0 ? d : last;  // a repeated digit leaves `last` as it is either way
    }
    return KeyCode::Make(first, digits);
}

bool WordList::Index::EntryKeyEquals(std::string_view entry, std::u16string_view key) const {
    if (entry.empty() || key.empty()) return entry.empty() && key.empty();
    char16_t last = tables_.upper[static_cast<unsigned char>(entry[0])];
    if (last != key[0]) return false;
    std::size_t matched = 1;
    for (std::size_t i = 1; i < entry.size(); ++i) {
        const char16_t d = tables_.digit[static_cast<unsigned char>(entry[i])];
        if (d == 0 || d == last) continue;
        if (matched == key.size() || key[matched] != d) return false;
        ++matched;
        last = d;
    }
    return matched == key.size();
}

void WordList::Index::FindKeyMatches(const WordList& list, char16_t lowered, std::u16string_view key,
                                     std::vector<std::string_view>& matches) {
    const LetterStart* start = list.FindLetter(lowered);
    if (start == nullptr) return;
    Run& run = runs_[lowered];
    if (!run.grouped && run.searches++ == 0) {
        // The first search of the letter: one walk, with no structure to build.
        ForEachEntryFrom(start->offset, [&](std::uint32_t from, std::uint32_t end) {
            if (end == from || tables_.lower[static_cast<unsigned char>(data_[from])] != lowered) return false;
            const std::string_view entry(data_ + from, end - from);
            if (EntryKeyEquals(entry, key)) matches.push_back(entry);
            ++run.entryCount;
            return true;
        });
        return;
    }
    if (!run.grouped) GroupRun(run, start->offset, lowered);
    const std::uint64_t code = KeyCode::OfKey(key);
    const bool exact = KeyCode::Exact(code);
    const std::uint32_t b = KeyCode::Hash(code) & run.mask;
    matches.reserve(matches.size() + (run.bucketStart[b + 1] - run.bucketStart[b]));
    for (std::uint32_t i = run.bucketStart[b]; i < run.bucketStart[b + 1]; ++i) {
        const KeyedEntry& keyed = run.entries[i];
        if (keyed.keyCode != code) continue;
        const std::string_view entry(data_ + keyed.offset, keyed.length);
        if (exact || EntryKeyEquals(entry, key)) matches.push_back(entry);
    }
}

void WordList::Index::GroupRun(Run& run, std::uint32_t start, char16_t lowered) {
    // Walk the run once, keying every entry.
    std::vector<KeyedEntry> inOrder;
    inOrder.reserve(run.entryCount);
    ForEachEntryFrom(start, [&](std::uint32_t from, std::uint32_t end) {
        if (end == from || tables_.lower[static_cast<unsigned char>(data_[from])] != lowered) return false;
        inOrder.push_back({from, end - from, EntryKeyCode({data_ + from, end - from})});
        return true;
    });

    // Group by bucket, keeping list order within each (a counting sort): count each bucket's
    // entries, add the counts up so that bucketStart[b] is where bucket b ends, then place the
    // entries from the last to the first, each just before the end of its bucket, which
    // leaves bucketStart[b] where the bucket begins.
    std::uint32_t buckets = 1;
    while (buckets < inOrder.size()) buckets <<= 1;
    run.mask = buckets - 1;
    run.bucketStart.assign(buckets + 1, 0);
    for (const KeyedEntry& e : inOrder) ++run.bucketStart[KeyCode::Hash(e.keyCode) & run.mask];
    for (std::uint32_t b = 1; b <= buckets; ++b) run.bucketStart[b] += run.bucketStart[b - 1];
    run.entries.resize(inOrder.size());
    for (auto e = inOrder.rbegin(); e != inOrder.rend(); ++e) {
        run.entries[--run.bucketStart[KeyCode::Hash(e->keyCode) & run.mask]] = *e;
    }
    run.grouped = true;
}

}  // namespace morvane
