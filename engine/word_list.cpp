#include "word_list.h"

#include <algorithm>
#include <array>

#include "char_case.h"
#include "word_list_index.h"

namespace morvane {
WordList::WordList() : codePage_(AnsiCodePage::Windows1252()) {}

WordList::WordList(FileBytes bytes, const AnsiCodePage& codePage) : WordList(std::move(bytes), codePage, FirstLetterScan()) {}

WordList::WordList(FileBytes bytes, const AnsiCodePage& codePage, FirstLetterScan&& scan)
    : bytes_(std::move(bytes)), codePage_(codePage) {
    scan.Finish(bytes_.data.get(), bytes_.size);
    count_ = scan.EntryCount();
    checkpoints_ = scan.TakeCheckpoints();
    if (count_ > 0) checkpoints_.push_back({static_cast<std::uint32_t>(bytes_.size), count_});
    // Bytes that decode to the same letter, case ignored, share one run: keep the earliest.
    for (int b = 0; b < 256; ++b) {
        const FirstLetterScan::Start* start = scan.FirstEntryBeginningWith(static_cast<unsigned char>(b));
        if (start == nullptr) continue;
        const char16_t letter = LowerChar(codePage_.toChar[b]);
        auto it = std::find_if(firstIndexByLetter_.begin(), firstIndexByLetter_.end(),
                               [&](const LetterStart& s) { return s.letter == letter; });
        if (it == firstIndexByLetter_.end()) {
            firstIndexByLetter_.push_back({letter, start->index, start->offset});
        } else if (start->index < it->index) {
            *it = {letter, start->index, start->offset};
        }
    }
    std::sort(firstIndexByLetter_.begin(), firstIndexByLetter_.end(),
              [](const LetterStart& a, const LetterStart& b) { return a.letter < b.letter; });
}

WordList::WordList(WordList&&) noexcept = default;
WordList& WordList::operator=(WordList&&) noexcept = default;
WordList::~WordList() = default;

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

WordListBuilder::WordListBuilder() : scan_(std::make_unique<FirstLetterScan>()) {}
WordListBuilder::~WordListBuilder() = default;

void WordListBuilder::Scan(const char* data, std::size_t available) { scan_->Scan(data, available); }

WordList WordListBuilder::Finish(FileBytes bytes, const AnsiCodePage& codePage) {
    return WordList(std::move(bytes), codePage, std::move(*scan_));
}

}  // namespace morvane
