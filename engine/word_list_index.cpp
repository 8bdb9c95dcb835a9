#include "word_list_index.h"

#include <bit>
#include <cstring>

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
      tables_(list.codePage_) {}

std::uint32_t WordList::Index::EntryEnd(std::uint32_t start) const {
    const char* from = data_ + start;
    const char* end = data_ + size_;
    while (from < end) {
        const auto* lf = static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
        if (lf == nullptr) break;
        if (lf > data_ + start && lf[-1] == '\r') return static_cast<std::uint32_t>(lf - 1 - data_);
        from = lf + 1;
    }
    return size_;
}

void WordList::Index::BuildStarts() {
    starts_ = std::make_unique_for_overwrite<std::uint32_t[]>(static_cast<std::size_t>(count_));
    starts_[0] = 0;
    std::size_t next = 1;
    ScanLineBreaks(data_, size_, [&](std::size_t blockStart, std::uint32_t breaks) {
        for (; breaks != 0; breaks &= breaks - 1) {
            starts_[next++] = static_cast<std::uint32_t>(blockStart + static_cast<std::size_t>(std::countr_zero(breaks)) + 1);
        }
    });
}

std::string_view WordList::Index::EntryBytes(std::int64_t index) {
    if (!starts_) BuildStarts();
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

const WordList::Index::Run& WordList::Index::RunOf(const WordList& list, char16_t lowered) {
    if (auto found = runs_.find(lowered); found != runs_.end()) return found->second;
    Run& run = runs_[lowered];
    const LetterStart* start = list.FindLetter(lowered);
    if (start == nullptr) {
        run.bucketStart.assign(2, 0);
        return run;
    }

    // Walk the run once, keying every entry.
    std::vector<KeyedEntry> inOrder;
    for (std::uint32_t offset = start->offset;;) {
        const std::uint32_t end = EntryEnd(offset);
        if (end == offset || tables_.lower[static_cast<unsigned char>(data_[offset])] != lowered) break;
        const std::string_view entry(data_ + offset, end - offset);
        inOrder.push_back({offset, end - offset, EntryKeyHash(entry)});
        if (end == size_) break;
        offset = end + 2;
    }

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
    return run;
}

std::span<const WordList::Index::KeyedEntry> WordList::Index::Run::Bucket(std::uint32_t keyHash) const {
    const std::uint32_t b = keyHash & mask;
    return {entries.data() + bucketStart[b], bucketStart[b + 1] - bucketStart[b]};
}

}  // namespace morvane
