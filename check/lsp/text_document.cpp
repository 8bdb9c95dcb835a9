#include "text_document.h"

#include <algorithm>

namespace morvane {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Whether a line starts at place p (0 < p <= text.size()): after \n, or after an \r that no
// \n follows.
bool StartsLine(std::u16string_view text, std::size_t p) {
    return text[p - 1] == u'\n' || (text[p - 1] == u'\r' && (p == text.size() || text[p] != u'\n'));
}

// The code units of the character at text[i] and what it counts in the encoding.
struct CharacterSize {
    std::size_t units;
    std::size_t counted;
};
CharacterSize SizeAt(std::u16string_view text, std::size_t i, PositionEncoding encoding) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        return {2, encoding == PositionEncoding::Utf8 ? 4u : 2u};
    }
    if (encoding == PositionEncoding::Utf16) return {1, 1};
    return {1, c < 0x80 ? 1u : c < 0x800 ? 2u : 3u};  // a lone surrogate is written as U+FFFD
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
    const std::u16string_view line = Line(position.line);
    std::size_t i = 0, counted = 0;
    while (i < line.size() && counted < position.character) {
        const CharacterSize size = SizeAt(line, i, encoding);
        i += size.units;
        counted += size.counted;
    }
    return lineStarts_[position.line] + i;
}

TextPosition TextDocument::PositionOf(std::size_t line, std::size_t column, PositionEncoding encoding) const {
    const std::u16string_view text = Line(line);
    std::size_t i = 0, counted = 0;
    while (i < column && i < text.size()) {
        const CharacterSize size = SizeAt(text, i, encoding);
        i += size.units;
        counted += size.counted;
    }
    return {line, counted};
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
