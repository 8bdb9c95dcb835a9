#pragma once
// The dictionary in memory: the file's bytes, kept as read, with the entries found between
// CR LF pairs. Entries are decoded a byte at a time through the list's code page.
//
// Loading only reads the bytes and notes, for every first letter, where its first entry is.
// What lookups and searches need beyond that (the start of every entry, and for each
// first-letter run an index of its entries by phonetic key) is built the first time it is
// needed and kept until the list is dropped. A WordList is used from one thread at a time.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "code_page.h"
#include "first_letter_scan.h"

namespace morvane {

struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
};

class WordList {
public:
    // The largest file a list can hold: offsets into it are 32-bit.
    static constexpr std::size_t kMaxBytes = 0xFFFFFFFEu;

    WordList();  // the empty list
    // The bytes are split at every CR LF; an empty file gives an empty list. size must not
    // exceed kMaxBytes.
    WordList(FileBytes bytes, const AnsiCodePage& codePage);
    WordList(WordList&&) noexcept;
    WordList& operator=(WordList&&) noexcept;
    ~WordList();

    std::int64_t Count() const { return count_; }
    std::u16string Entry(std::int64_t index) const;  // 0 <= index < Count()

    // The index of the first entry whose first character, lower-cased, is `lowered`, or
    // Count() when there is none: where a walk from the start of the list would stop.
    std::int64_t FirstIndexOfLetter(char16_t lowered) const;

    // Where the run of entries that begin with a letter (lower-cased) starts.
    struct LetterStart {
        char16_t letter;
        std::int64_t index;
        std::uint32_t offset;  // of the entry's first byte
    };
    const LetterStart* FindLetter(char16_t lowered) const;

    class Index;  // the lazily built search structures (word_list_index.h)
    Index& SearchIndex() const;
    const AnsiCodePage& CodePage() const { return codePage_; }
    std::string_view Bytes() const { return {bytes_.data.get(), bytes_.size}; }

private:
    friend class WordListBuilder;
    WordList(FileBytes bytes, const AnsiCodePage& codePage, FirstLetterScan&& scan);

    FileBytes bytes_;
    AnsiCodePage codePage_;
    std::int64_t count_ = 0;
    std::vector<LetterStart> firstIndexByLetter_;  // sorted by letter
    std::vector<EntryCheckpoint> checkpoints_;     // from the load, ending with {size, count}
    mutable std::unique_ptr<Index> index_;
};

// Builds a WordList while its file is read: Scan is given the file's buffer each time more of
// it has arrived, so that each piece is looked at while it is still in the processor's cache.
class WordListBuilder {
public:
    WordListBuilder();
    ~WordListBuilder();
    // The first `available` bytes of the buffer have been read.
    void Scan(const char* data, std::size_t available);
    // bytes: the whole file, in the buffer given to Scan.
    WordList Finish(FileBytes bytes, const AnsiCodePage& codePage);

private:
    std::unique_ptr<FirstLetterScan> scan_;
};

}  // namespace morvane
