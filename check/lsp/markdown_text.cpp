#include "markdown_text.h"

#include <algorithm>

namespace morvane {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsAsciiAlpha(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

void Blank(std::u16string& line, std::size_t from, std::size_t to) {
    std::fill(line.begin() + static_cast<std::ptrdiff_t>(from), line.begin() + static_cast<std::ptrdiff_t>(to), u' ');
}

// The indentation in columns (a tab to the next multiple of 4) and where the content begins.
std::size_t Indent(std::u16string_view line, std::size_t& contentStart) {
    std::size_t columns = 0, i = 0;
    for (; i < line.size() && IsBlank(line[i]); ++i) columns = line[i] == u'\t' ? columns / 4 * 4 + 4 : columns + 1;
    contentStart = i;
    return columns;
}

std::size_t RunLength(std::u16string_view line, std::size_t i, char16_t c) {
    std::size_t end = i;
    while (end < line.size() && line[end] == c) ++end;
    return end - i;
}

// `code`: a run of backticks up to the next run of the same length.
void BlankCodeSpans(std::u16string& line) {
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == u'\\') {
            i += 2;
            continue;
        }
        if (line[i] != u'`') {
            ++i;
            continue;
        }
        const std::size_t length = RunLength(line, i, u'`');
        std::size_t close = i + length;
        while (close < line.size()) {
            const std::size_t run = RunLength(line, close, u'`');
            if (run == length) break;
            close += std::max<std::size_t>(run, 1);
        }
        if (close >= line.size()) {  // no closing run: the backticks are text
            i += length;
            continue;
        }
        Blank(line, i, close + length);
        i = close + length;
    }
}

// <tag ...>, </tag>, <!-- ... -->, <https://...> and <name@host>: from < to the next >.
void BlankAngleBrackets(std::u16string& line) {
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        if (line[i] != u'<' || !(IsAsciiAlpha(line[i + 1]) || line[i + 1] == u'/' || line[i + 1] == u'!')) continue;
        const std::size_t close = line.find(u'>', i + 1);
        if (close == std::u16string::npos) return;
        Blank(line, i, close + 1);
        i = close;
    }
}

// The end of a link destination that starts at i: <...>, or text without spaces whose
// parentheses balance.
std::size_t DestinationEnd(std::u16string_view line, std::size_t i) {
    if (i < line.size() && line[i] == u'<') {
        const std::size_t close = line.find(u'>', i);
        return close == std::u16string_view::npos ? i : close + 1;
    }
    int depth = 0;
    for (; i < line.size() && !IsBlank(line[i]); ++i) {
        if (line[i] == u'(') ++depth;
        if (line[i] == u')' && depth-- == 0) break;
    }
    return i;
}

// [text](destination "title") and a reference definition [label]: destination "title".
void BlankLinkDestinations(std::u16string& line) {
    std::size_t contentStart = 0;
    Indent(line, contentStart);
    if (contentStart < line.size() && line[contentStart] == u'[') {
        const std::size_t colon = line.find(u"]:", contentStart);
        if (colon != std::u16string::npos) {
            std::size_t start = colon + 2;
            while (start < line.size() && IsBlank(line[start])) ++start;
            Blank(line, start, DestinationEnd(line, start));
        }
    }
    for (std::size_t i = line.find(u"]("); i != std::u16string::npos; i = line.find(u"](", i + 1)) {
        std::size_t start = i + 2;
        while (start < line.size() && IsBlank(line[start])) ++start;
        Blank(line, start, DestinationEnd(line, start));
    }
}

// A fence: up to three spaces, then three or more ` or ~ (a ` fence's info text holds no `).
bool IsFence(std::u16string_view line, std::size_t indent, std::size_t contentStart, char16_t& fence,
             std::size_t& length) {
    if (indent > 3 || contentStart >= line.size()) return false;
    const char16_t c = line[contentStart];
    if (c != u'`' && c != u'~') return false;
    length = RunLength(line, contentStart, c);
    if (length < 3) return false;
    if (c == u'`' && line.find(u'`', contentStart + length) != std::u16string_view::npos) return false;
    fence = c;
    return true;
}

// The closing fence of an open block: the same character, at least as many, nothing after.
bool ClosesFence(std::u16string_view line, std::size_t indent, std::size_t contentStart, const MarkdownState& state) {
    if (indent > 3) return false;
    const std::size_t length = RunLength(line, contentStart, state.fence);
    if (length < state.fenceLength) return false;
    for (std::size_t i = contentStart + length; i < line.size(); ++i) {
        if (!IsBlank(line[i])) return false;
    }
    return true;
}

}  // namespace

void BlankUrls(std::u16string& line) {
    static constexpr std::u16string_view kStarts[] = {u"https://", u"http://", u"ftp://", u"file://", u"mailto:",
                                                      u"www."};
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i > 0 && (IsAsciiAlpha(line[i - 1]) || line[i - 1] == u'.')) continue;
        for (std::u16string_view start : kStarts) {
            if (line[i] != start.front() || std::u16string_view(line).substr(i, start.size()) != start) continue;
            std::size_t end = i;
            while (end < line.size() && !IsBlank(line[end])) ++end;
            Blank(line, i, end);
            i = end;
            break;
        }
    }
}

MarkdownState MaskMarkdownLine(MarkdownState state, std::u16string& line) {
    std::size_t contentStart = 0;
    const std::size_t indent = Indent(line, contentStart);
    const bool blank = contentStart == line.size();
    if (state.fence != 0) {
        if (ClosesFence(line, indent, contentStart, state)) state = {};
        Blank(line, 0, line.size());
        return state;
    }
    char16_t fence = 0;
    std::size_t fenceLength = 0;
    if (IsFence(line, indent, contentStart, fence, fenceLength)) {
        Blank(line, 0, line.size());
        return {fence, static_cast<std::uint32_t>(fenceLength), false};
    }
    if (blank || (indent >= 4 && !state.inParagraph)) {  // a blank line, or a line of an indented code block
        Blank(line, 0, line.size());
        return {};
    }
    const bool heading = line[contentStart] == u'#';  // a heading is prose, but ends a paragraph
    BlankCodeSpans(line);
    BlankLinkDestinations(line);  // before the tags: a destination may be written <like this>
    BlankAngleBrackets(line);
    BlankUrls(line);
    return {0, 0, !heading};
}

}  // namespace morvane
