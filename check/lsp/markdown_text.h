#pragma once
// Markdown's prose: code (spans, fenced and indented blocks), URLs, autolinks, link
// destinations and HTML tags are left out; link texts and headings are prose.
#include <cstddef>
#include <cstdint>
#include <string>

namespace morvane {

// What a Markdown line inherits from the lines before it.
// Kept small: every line of an open document keeps the state it starts in.
struct MarkdownState {
    char16_t fence = 0;              // the ` or ~ of the open code fence, 0 outside one
    std::uint32_t fenceLength = 0;   // a line is far shorter than 4 GB: messages are at most 64 MiB
    bool inParagraph = false;        // the line before was paragraph text: an indented line goes on with it
    bool operator==(const MarkdownState&) const = default;
};

// Replaces what is not prose on the line (without its line end) with spaces, so that every
// word keeps its place; returns the state the next line starts in.
MarkdownState MaskMarkdownLine(MarkdownState state, std::u16string& line);

// Blanks addresses written out: from the scheme (or www.) to the next space. Source code's
// comments and strings take them out too.
void BlankUrls(std::u16string& line);

}  // namespace morvane
