#pragma once
// The search structures of a WordList, built the first time they are needed:
// - where every entry starts, for the binary search of lookup;
// - for each first-letter run, its entries grouped by a hash of their phonetic key, so that
//   a search examines only the entries that may share the typed word's key.
// Both give exactly what a walk over the whole list would find.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
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

// Hashing of phonetic keys: the same value for a key built as text and for one built from
// an entry's bytes.
struct KeyHash {
    std::uint64_t value = 0xcbf29ce484222325ull;
    void Add(char16_t c) { value = (value ^ c) * 0x100000001b3ull; }
    std::uint32_t Short() const { return static_cast<std::uint32_t>(value ^ (value >> 32)); }
};

class WordList::Index {
public:
    explicit Index(const WordList& list);

    const ByteTables& Tables() const { return tables_; }
    std::string_view EntryBytes(std::int64_t index);

    struct KeyedEntry {
        std::uint32_t offset;
        std::uint32_t length;
        std::uint32_t keyHash;
    };
    struct Run {
        std::vector<std::uint32_t> bucketStart;  // bucket b holds entries[bucketStart[b] .. bucketStart[b+1])
        std::vector<KeyedEntry> entries;         // in list order within each bucket
        std::uint32_t mask = 0;
        std::span<const KeyedEntry> Bucket(std::uint32_t keyHash) const;
    };
    // The run of the entries that begin with `lowered`, from the first such entry of the
    // list up to the first entry after it that does not.
    const Run& RunOf(const WordList& list, char16_t lowered);

    // Whether the entry's phonetic key is exactly `key`, stopping at the first difference.
    bool EntryKeyEquals(std::string_view entry, std::u16string_view key) const;

private:
    std::uint32_t EntryEnd(std::uint32_t start) const;  // the CR of the CR LF after it, or the end
    std::uint32_t EntryKeyHash(std::string_view entry) const;
    void BuildStarts();

    const char* data_;
    std::uint32_t size_;
    std::int64_t count_;
    ByteTables tables_;
    std::unique_ptr<std::uint32_t[]> starts_;  // built on first lookup
    std::unordered_map<char16_t, Run> runs_;   // built a letter at a time
};

}  // namespace morvane
