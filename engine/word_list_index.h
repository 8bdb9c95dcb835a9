#pragma once
// The search structures of a WordList, built as they are needed, so that the first Check
// after a load costs little more than the Check itself:
// - where every entry starts, for the binary search of lookup: a few thousand bytes at a
//   time, those around the entries a lookup probes (the load's checkpoints say which), and
//   all of it once lookups have become common;
// - for each first-letter run, its entries grouped by a hash of their phonetic key, so that
//   a search examines only the entries that may share the typed word's key. The first search
//   of a letter walks its run instead; the second builds the groups.
// All give exactly what a walk over the whole list would find.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "word_list.h"

namespace morvane {

// Per byte of the list's code page: the decoded character lower-cased, upper-cased, and the
// digit of its consonant group ('1' to '9', or 0 for none).
struct ByteTables {
    explicit ByteTables(const AnsiCodePage& page);
    std::array<char16_t, 256> lower;
    std::array<char16_t, 256> upper;
    std::array<char16_t, 256> digit;
};

// The digit of a consonant group for an upper-case character, or 0.
char16_t PhoneticDigit(char16_t upper);

// A phonetic key in 64 bits, the same for a key given as text and for one found in an
// entry's bytes: the first character in the top 16 bits, and below them the digits ('1' to
// '9') four bits each, the last one lowest. Up to 11 digits the code is the key itself (no
// digit is 0, so a shorter key leaves zeros above its digits); from the 12th on, the first
// digits are shifted out and bits 44 to 47 are no longer 0: such a code may stand for several
// keys, which EntryKeyEquals tells apart.
struct KeyCode {
    // `digits` holds the key's digits shifted in four bits at a time (older ones may have left
    // at the top).
    static std::uint64_t Make(char16_t first, std::uint64_t digits) {
        return (std::uint64_t{first} << 48) | (digits & ((std::uint64_t{1} << 48) - 1));
    }
    static std::uint64_t OfKey(std::u16string_view key);
    static bool Exact(std::uint64_t code) { return ((code >> 44) & 0xF) == 0; }
    // Mixed so that the low bits, which choose a bucket, depend on the whole key.
    static std::uint32_t Hash(std::uint64_t code) {
        return static_cast<std::uint32_t>((code * 0x9E3779B97F4A7C15ull) >> 32);
    }
};

class WordList::Index {
public:
    explicit Index(const WordList& list);

    const ByteTables& Tables() const { return tables_; }
    // Inline, as lookup's binary search calls it for every probe.
    std::string_view EntryBytes(std::int64_t index) {
        if (!allStarts_) FindStartsAround(index);
        const auto at = static_cast<std::size_t>(index);
        const std::uint32_t start = starts_[at];
        const std::uint32_t end = index + 1 < count_ ? starts_[at + 1] - 2 : size_;
        return {data_ + start, end - start};
    }
    // A lookup begins: after a few, every entry's start is found at once.
    void NoteLookup();

    // The entries of the run of `lowered` (from the first entry of the list that begins with
    // it up to the first entry after that which does not) whose phonetic key is exactly `key`,
    // in list order.
    void FindKeyMatches(const WordList& list, char16_t lowered, std::u16string_view key,
                        std::vector<std::string_view>& matches);

    // Whether the entry's phonetic key is exactly `key`, stopping at the first difference.
    bool EntryKeyEquals(std::string_view entry, std::u16string_view key) const;

private:
    struct KeyedEntry {
        std::uint32_t offset;
        std::uint32_t length;
        std::uint64_t keyCode;
    };
    struct Run {
        int searches = 0;
        std::uint32_t entryCount = 0;            // counted by the first search
        bool grouped = false;
        std::vector<std::uint32_t> bucketStart;  // bucket b holds entries[bucketStart[b] .. bucketStart[b+1])
        std::vector<KeyedEntry> entries;         // in list order within each bucket
        std::uint32_t mask = 0;
    };
    // Calls onEntry(start, end) for each entry from the one at `start` on, in order, until it
    // returns false; end is the CR of the CR LF after the entry, or the end of the list.
    template <typename OnEntry>
    void ForEachEntryFrom(std::uint32_t start, OnEntry&& onEntry) const;
    std::uint64_t EntryKeyCode(std::string_view entry) const;
    void GroupRun(Run& run, std::uint32_t start, char16_t lowered);
    void FindStart(std::int64_t index);
    void FindStartsAround(std::int64_t index);  // of the entry and of the one after it
    void BuildChunk(std::size_t chunk);

    const char* data_;
    std::uint32_t size_;
    std::int64_t count_;
    ByteTables tables_;
    std::span<const EntryCheckpoint> checkpoints_;  // chunk c: the entries that start after
                                                    // checkpoint c, up to checkpoint c + 1
    std::unique_ptr<std::uint32_t[]> starts_;       // written a chunk at a time
    std::vector<bool> chunkBuilt_;
    bool allStarts_ = false;
    int lookupsBeforeAllStarts_ = 16;
    std::unordered_map<char16_t, Run> runs_;
};

}  // namespace morvane
