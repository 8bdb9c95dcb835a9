#include "word_list.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "char_case.h"
#include "word_list_index.h"

namespace morvane {

WordList::WordList() : codePage_(AnsiCodePage::Windows1252()) {}

WordList::WordList(FileBytes bytes, const AnsiCodePage& codePage)
    : bytes_(std::move(bytes)), codePage_(codePage) {
    NoteFirstLetters();
}

WordList::WordList(WordList&&) noexcept = default;
WordList& WordList::operator=(WordList&&) noexcept = default;
WordList::~WordList() = default;

// One pass over the bytes: counts the entries and notes, for every first letter (lower-cased),
// the first entry that begins with it. Writes nothing per entry, so loading costs little more
// than reading the file.
void WordList::NoteFirstLetters() {
    const char* data = bytes_.data.get();
    const std::size_t size = bytes_.size;
    if (size == 0) return;

    constexpr std::int64_t kNone = -1;
    std::array<std::int64_t, 256> firstIndexOfByte;
    std::array<std::uint32_t, 256> firstOffsetOfByte{};
    firstIndexOfByte.fill(kNone);
    int bytesSeen = 0;

    auto noteEntry = [&](std::size_t start, std::int64_t index) {
        // An entry is empty when it ends where it starts: at the end, or at a CR LF.
        if (start == size || (data[start] == '\r' && start + 1 < size && data[start + 1] == '\n')) return;
        const auto first = static_cast<unsigned char>(data[start]);
        if (firstIndexOfByte[first] != kNone) return;
        firstIndexOfByte[first] = index;
        firstOffsetOfByte[first] = static_cast<std::uint32_t>(start);
        ++bytesSeen;
    };

    std::int64_t index = 0;
    noteEntry(0, 0);
    const char* end = data + size;
    const char* from = data + 1;  // a separating LF always has its CR before it
    while (from < end) {
        const auto* lf = static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
        if (lf == nullptr) break;
        if (lf[-1] == '\r') {
            ++index;
            if (bytesSeen < 256) noteEntry(static_cast<std::size_t>(lf + 1 - data), index);
        }
        from = lf + 1;
    }
    count_ = index + 1;

    // Bytes that decode to the same letter, case ignored, share one run: keep the earliest.
    for (int b = 0; b < 256; ++b) {
        if (firstIndexOfByte[b] == kNone) continue;
        const char16_t letter = LowerChar(codePage_.toChar[b]);
        auto it = std::find_if(firstIndexByLetter_.begin(), firstIndexByLetter_.end(),
                               [&](const LetterStart& s) { return s.letter == letter; });
        if (it == firstIndexByLetter_.end()) {
            firstIndexByLetter_.push_back({letter, firstIndexOfByte[b], firstOffsetOfByte[b]});
        } else if (firstIndexOfByte[b] < it->index) {
            *it = {letter, firstIndexOfByte[b], firstOffsetOfByte[b]};
        }
    }
    std::sort(firstIndexByLetter_.begin(), firstIndexByLetter_.end(),
              [](const LetterStart& a, const LetterStart& b) { return a.letter < b.letter; });
}

const WordList::LetterStart* WordList::FindLetter(char16_t lowered) const {
    auto it = std::lower_bound(firstIndexByLetter_.begin(), firstIndexByLetter_.end(), lowered,
                               [](const LetterStart& s, char16_t l) { return s.letter < l; });
    return it != firstIndexByLetter_.end() && it->letter == lowered ? &*it : nullptr;
}

std::int64_t WordList::FirstIndexOfLetter(char16_t lowered) const {
    const LetterStart* start = FindLetter(lowered);
    return start ? start->index : count_;
}

std::u16string WordList::Entry(std::int64_t index) const {
    return codePage_.Decode(SearchIndex().EntryBytes(index));
}

WordList::Index& WordList::SearchIndex() const {
    if (!index_) index_ = std::make_unique<Index>(*this);
    return *index_;
}

}  // namespace morvane
