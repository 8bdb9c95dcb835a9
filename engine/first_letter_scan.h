#pragma once
// The one pass that loading makes over a dictionary's bytes: it counts the entries (the
// pieces between CR LF pairs) and notes, for every first byte, the first entry that begins
// with it. It writes nothing per entry, so loading costs little more than reading the file,
// and it can go along with the reading, a piece at a time.
#include <array>
#include <utility>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane {

// Every few thousand bytes of a list, how many entries start at or before an offset, so that
// where any entry starts can be found later by scanning only the bytes near it. A scan's first
// is {0, 1}.
struct EntryCheckpoint {
    std::uint32_t offset;
    std::int64_t entries;
};

class FirstLetterScan {
public:
    struct Start {
        std::int64_t index;
        std::uint32_t offset;  // of the entry's first byte
    };

    // The first `available` bytes of data are there; what may still change with the bytes
    // after them is left for later.
    void Scan(const char* data, std::size_t available);
    // All `size` bytes are there.
    void Finish(const char* data, std::size_t size);

    using Checkpoint = EntryCheckpoint;
    static constexpr std::size_t kCheckpointBytes = 4096;
    std::vector<Checkpoint> TakeCheckpoints() { return std::move(checkpoints_); }

    std::int64_t EntryCount() const { return entries_; }
    const Start* FirstEntryBeginningWith(unsigned char byte) const {
        return firstByByte_[byte].index >= 0 ? &firstByByte_[byte] : nullptr;
    }

private:
    void ScanUpTo(const char* data, std::size_t available, bool atEnd);
    void NoteEntry(const char* data, std::size_t start, std::size_t size, std::int64_t index);
    void NoteCheckpoint() {
        checkpoints_.push_back({static_cast<std::uint32_t>(next_), entries_});
        nextCheckpoint_ = next_ + kCheckpointBytes;
    }

    std::array<Start, 256> firstByByte_ = MakeEmpty();
    std::size_t next_ = 0;        // the next position that may hold the LF of a pair
    std::int64_t entries_ = 0;    // entries that start at or before next_
    std::vector<Checkpoint> checkpoints_;
    std::size_t nextCheckpoint_ = 0;
    // The first bytes of the last two entries that differed, once a non-empty entry is seen.
    bool haveRecent_ = false;
    unsigned char recent_ = 0;
    unsigned char beforeRecent_ = 0;

    static std::array<Start, 256> MakeEmpty() {
        std::array<Start, 256> none;
        none.fill({-1, 0});
        return none;
    }
};

}  // namespace morvane
