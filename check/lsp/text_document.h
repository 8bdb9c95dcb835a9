#pragma once
// The text of an open document as the language server keeps it: UTF-16, with the start of
// every line, so that positions in either of the protocol's encodings become places in the
// text and back. \n, \r\n and \r each end a line.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// How a position's character counts: UTF-8 bytes or UTF-16 code units (a character outside
// the Basic Multilingual Plane counting two).
enum class PositionEncoding { Utf8, Utf16 };

struct TextPosition {
    std::size_t line = 0;
    std::size_t character = 0;  // in the negotiated encoding
    bool operator==(const TextPosition&) const = default;
    auto operator<=>(const TextPosition&) const = default;
};

// The lines an edit replaced: lines [firstLine, firstLine + oldLineCount) of the old text are
// now lines [firstLine, firstLine + newLineCount); those after them are the same lines as
// before, moved.
struct ChangedLines {
    std::size_t firstLine = 0;
    std::size_t oldLineCount = 0;
    std::size_t newLineCount = 0;
};

class TextDocument {
public:
    explicit TextDocument(std::u16string text = {});

    const std::u16string& Text() const { return text_; }
    std::size_t LineCount() const { return lineStarts_.size(); }
    // A line without its line end.
    std::u16string_view Line(std::size_t line) const;

    // The place of a position in the text. A line past the last means the end of the text; a
    // character past the end of its line, the end of the line; one inside a character, the
    // start of the next character.
    std::size_t OffsetOf(TextPosition position, PositionEncoding encoding) const;
    // The position of code unit `column` of a line.
    TextPosition PositionOf(std::size_t line, std::size_t column, PositionEncoding encoding) const;
    // The same for places of one line asked for from left to right (a line's flagged words):
    // each walks on from where the one before stopped, kept in `from` (start it as {}).
    struct LinePlace {
        std::size_t column = 0;     // in code units
        std::size_t character = 0;  // in the encoding
    };
    TextPosition PositionAfter(LinePlace& from, std::size_t line, std::size_t column, PositionEncoding encoding) const;

    // Replaces the text between two places (start <= end <= Text().size()).
    ChangedLines Replace(std::size_t start, std::size_t end, std::u16string_view replacement);

private:
    std::size_t LineEnd(std::size_t line) const;  // where the line's content ends

    std::u16string text_;
    std::vector<std::size_t> lineStarts_;  // never empty: an empty text has one empty line
};

}  // namespace morvane
