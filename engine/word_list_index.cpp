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

std::string_view WordList::Index::EntryBytes(std::int64_t index) {
    if (!allStarts_) {
        FindStart(index);
        if (index + 1 < count_) FindStart(index + 1);
    }
    const auto at = static_cast<std::size_t>(index);
    const std::uint32_t start = starts_[at];
    const std::uint32_t end = index + 1 < count_ ? starts_[at + 1] - 2 : size_;
    return {data_ + start, end - start};
}

std::uint32_t WordList::Index::EntryKeyHash(std::string_view entry) const {
    KeyHash hash;
    char16_t last = tables_.upper[static_cast<unsigned char>(entry[0])];
    hash.Add(last);
    for (std::size_t i = 1; i < entry.size(); ++i) {
        const char16_t d = tables_.digit[static_cast<unsigned char>(entry[i])];
        if (d != 0 && d != last) {
            hash.Add(d);
            last = d;
        }
    }
    return hash.Short();
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
            return true;
        });
        return;
    }
    if (!run.grouped) GroupRun(run, start->offset, lowered);
    KeyHash keyHash;
    for (char16_t c : key) keyHash.Add(c);
    const std::uint32_t b = keyHash.Short() & run.mask;
    for (std::uint32_t i = run.bucketStart[b]; i < run.bucketStart[b + 1]; ++i) {
        const KeyedEntry& keyed = run.entries[i];
        if (keyed.keyHash != keyHash.Short()) continue;
        const std::string_view entry(data_ + keyed.offset, keyed.length);
        if (EntryKeyEquals(entry, key)) matches.push_back(entry);
    }
}

void WordList::Index::GroupRun(Run& run, std::uint32_t start, char16_t lowered) {
    // Walk the run once, keying every entry.
    std::vector<KeyedEntry> inOrder;
    ForEachEntryFrom(start, [&](std::uint32_t from, std::uint32_t end) {
        if (end == from || tables_.lower[static_cast<unsigned char>(data_[from])] != lowered) return false;
        inOrder.push_back({from, end - from, EntryKeyHash({data_ + from, end - from})});
        return true;
    });

    // Group by bucket, keeping list order within each (a counting sort).
    std::uint32_t buckets = 1;
    while (buckets < inOrder.size()) buckets <<= 1;
    run.mask = buckets - 1;
    run.bucketStart.assign(buckets + 1, 0);
    for (const KeyedEntry& e : inOrder) ++run.bucketStart[(e.keyHash & run.mask) + 1];
    for (std::uint32_t b = 0; b < buckets; ++b) run.bucketStart[b + 1] += run.bucketStart[b];
    run.entries.resize(inOrder.size());
    std::vector<std::uint32_t> fill(run.bucketStart.begin(), run.bucketStart.end() - 1);
    for (const KeyedEntry& e : inOrder) run.entries[fill[e.keyHash & run.mask]++] = e;
    run.grouped = true;
}

}  // namespace morvane
