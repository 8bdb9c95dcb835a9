#include "text_document.h"

#include <algorithm>

#include "check/letters.h"

namespace morvane {
namespace {

// Whether a line starts at place p (0 < p <= text.size()): after \n, or after an \r that no
// \n follows.
bool StartsLine(std::u16string_view text, std::size_t p) {
    return text[p - 1] == u'\n' || (text[p - 1] == u'\r' && (p == text.size() || text[p] != u'\n'));
}

// Walks the line a character at a time while keepGoing(units walked, characters counted in
// the encoding) holds; returns both at the stop.
struct Walked {
    std::size_t units = 0;
    std::size_t counted = 0;
};
template <typename KeepGoing>
Walked Walk(std::u16string_view line, PositionEncoding encoding, KeepGoing&& keepGoing) {
    Walked walked;
    while (walked.units < line.size() && keepGoing(walked)) {
        const CodePoint c = CodePointAt(line, walked.units);
        walked.units += c.units;
        // In UTF-8 a lone surrogate counts as the U+FFFD it is written as: three bytes.
        if (encoding == PositionEncoding::Utf16) walked.counted += c.units;
        else walked.counted += c.value < 0x80 ? 1 : c.value < 0x800 ? 2 : c.value < 0x10000 ? 3 : 4;
    }
    return walked;
}

}  // namespace

TextDocument::TextDocument(std::u16string text) : text_(std::move(text)) {
    lineStarts_.push_back(0);
    for (std::size_t p = 1; p <= text_.size(); ++p) {
        if (StartsLine(text_, p)) lineStarts_.push_back(p);
    }
}

std::size_t TextDocument::LineEnd(std::size_t line) const {
    if (line + 1 == lineStarts_.size()) return text_.size();
    const std::size_t next = lineStarts_[line + 1];
    return next >= 2 && text_[next - 1] == u'\n' && text_[next - 2] == u'\r' ? next - 2 : next - 1;
}

std::u16string_view TextDocument::Line(std::size_t line) const {
    return std::u16string_view(text_).substr(lineStarts_[line], LineEnd(line) - lineStarts_[line]);
}

std::size_t TextDocument::OffsetOf(TextPosition position, PositionEncoding encoding) const {
    if (position.line >= lineStarts_.size()) return text_.size();
    const Walked walked =
        Walk(Line(position.line), encoding, [&](const Walked& w) { return w.counted < position.character; });
    return lineStarts_[position.line] + walked.units;
}

TextPosition TextDocument::PositionOf(std::size_t line, std::size_t column, PositionEncoding encoding) const {
    LinePlace start;
    return PositionAfter(start, line, column, encoding);
}

TextPosition TextDocument::PositionAfter(LinePlace& from, std::size_t line, std::size_t column,
                                         PositionEncoding encoding) const {
    if (column < from.column) from = {};  // behind the last place: from the line's start again
    const Walked walked = Walk(Line(line).substr(from.column), encoding,
                               [&](const Walked& w) { return from.column + w.units < column; });
    from = {from.column + walked.units, from.character + walked.counted};
    return {line, from.character};
}

ChangedLines TextDocument::Replace(std::size_t start, std::size_t end, std::u16string_view replacement) {
    // A line start depends only on the two code units around it, so the starts before
    // start - 1 stay where they are and those after end + 1 move by the change in length.
    const auto head = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), start == 0 ? 0 : start - 1);
    const std::size_t headCount = start == 0 ? 0 : static_cast<std::size_t>(head - lineStarts_.begin());
    const auto tail = std::lower_bound(lineStarts_.begin(), lineStarts_.end(), end + 1);
    std::vector<std::size_t> tailStarts(tail, lineStarts_.end());
    const std::size_t oldTailFirst = static_cast<std::size_t>(tail - lineStarts_.begin());

    text_.replace(start, end - start, replacement);
    lineStarts_.resize(std::max<std::size_t>(headCount, 1));
    const std::size_t changedEnd = start + replacement.size();
    for (std::size_t p = std::max<std::size_t>(start, 1); p <= changedEnd && p <= text_.size(); ++p) {
        if (StartsLine(text_, p)) lineStarts_.push_back(p);
    }
    const std::size_t newTailFirst = lineStarts_.size();
    for (std::size_t p : tailStarts) lineStarts_.push_back(p - end + changedEnd);

    const std::size_t firstLine = headCount == 0 ? 0 : headCount - 1;
    return {firstLine, oldTailFirst - firstLine, newTailFirst - firstLine};
}

}  // namespace morvane
