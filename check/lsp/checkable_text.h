#pragma once
// Which parts of a document are prose to check. Plain text, and any language the server does
// not know, is checked whole. In Markdown, code (spans, fenced and indented blocks), URLs,
// autolinks, link destinations and HTML tags are left out; link texts and headings are prose.
#include <string>
#include <string_view>

namespace morvane {

enum class TextKind { Plain, Markdown };

TextKind TextKindOfLanguage(std::string_view languageId);

// What a line inherits from the lines before it.
struct BlockState {
    char16_t fence = 0;          // the ` or ~ of the open code fence, 0 outside one
    std::size_t fenceLength = 0;
    bool inParagraph = false;    // the line before was paragraph text: an indented line goes on with it
    bool operator==(const BlockState&) const = default;
};

// Replaces what is not prose on the line (without its line end) with spaces, so that every
// word keeps its place; returns the state the next line starts in.
BlockState MaskLine(TextKind kind, BlockState state, std::u16string& line);

}  // namespace morvane
