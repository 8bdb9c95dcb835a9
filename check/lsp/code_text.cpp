#include "code_text.h"

#include <algorithm>
#include <bitset>

#include "markdown_text.h"

namespace morvane {
namespace {

constexpr std::uint8_t kMostRepeats = 255;  // what a level holds
constexpr std::size_t kLongestRawDelimiter = 16;
// How far a char literal's closing quote or an escape's closing brace is looked for, so that a
// line of many unclosed ones is still scanned in one pass.
constexpr std::size_t kLongestCharLiteral = 12;  // '\u{10FFFF}'
constexpr std::size_t kLongestEscapeName = 96;   // \N{...}: Unicode's longest names

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsHexDigit(char16_t c) { return IsAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }
bool IsIdentifierPart(char16_t c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == u'_' || c >= 0x80; }

bool IsWordStart(std::u16string_view line, std::size_t i) { return i == 0 || !IsIdentifierPart(line[i - 1]); }

// Where shell-like languages let a comment begin: not inside a word ($#, ${#x}, a#b).
bool IsCommandStart(std::u16string_view line, std::size_t i) {
    if (i == 0) return true;
    const char16_t c = line[i - 1];
    return c == u' ' || c == u'\t' || c == u';' || c == u'|' || c == u'&' || c == u'(';
}

bool At(std::u16string_view line, std::size_t i, std::string_view marker) {
    if (i > line.size() || line.size() - i < marker.size()) return false;
    for (std::size_t k = 0; k < marker.size(); ++k) {
        if (line[i + k] != static_cast<unsigned char>(marker[k])) return false;
    }
    return true;
}

bool IsRepeated(char repeated, char16_t c) {
    if (repeated == '*') return c > u' ' && c < 0x7F && c != u'(' && c != u')' && c != u'\\' && c != u'"';
    return c == static_cast<unsigned char>(repeated);
}

void Blank(std::u16string& line, std::size_t from, std::size_t to) {
    std::fill(line.begin() + static_cast<std::ptrdiff_t>(from),
              line.begin() + static_cast<std::ptrdiff_t>(std::min(to, line.size())), u' ');
}

struct Opening {
    std::size_t length = 0;  // 0: the span does not open here
    std::uint8_t level = 0;
};

Opening MatchOpen(const CodeSpan& span, std::u16string_view line, std::size_t i) {
    if ((span.atLineStart && i != 0) || !At(line, i, span.open)) return {};
    std::size_t end = i + span.open.size();
    if (span.repeated == 0) return {end - i, static_cast<std::uint8_t>(span.nests ? 1 : 0)};
    const std::size_t most = span.repeated == '*' ? kLongestRawDelimiter : kMostRepeats;
    std::size_t count = 0;
    for (; end < line.size() && count < most && IsRepeated(span.repeated, line[end]); ++end) ++count;
    if (!At(line, end, span.openEnd)) return {};
    return {end + span.openEnd.size() - i, static_cast<std::uint8_t>(count)};
}

// The length of the span's closing marker at i, 0 when it does not close there.
std::size_t MatchClose(const CodeSpan& span, std::uint8_t level, std::u16string_view line, std::size_t i) {
    if (span.close.empty() || (span.atLineStart && i != 0) || !At(line, i, span.close)) return 0;
    std::size_t end = i + span.close.size();
    if (span.repeated == 0) return end - i;
    for (std::size_t k = 0; k < level; ++k, ++end) {
        if (end >= line.size() || !IsRepeated(span.repeated, line[end])) return 0;
    }
    return At(line, end, span.closeEnd) ? end + span.closeEnd.size() - i : 0;
}

// One line of code, scanned once from left to right.
class LineScanner {
public:
    LineScanner(const CodeSyntax& syntax, CodeState state, std::u16string& line)
        : syntax_(syntax), state_(state), line_(line), original_(line), text_(original_) {
        for (const CodeSpan& span : syntax.spans) mayOpen_.set(static_cast<unsigned char>(span.open[0]) & 0x7F);
        for (char prefix : syntax.stringPrefixes) mayOpen_.set(static_cast<unsigned char>(prefix) & 0x7F);
        if (syntax.charLiterals) mayOpen_.set('\'');
        if (syntax.markup) mayOpen_.set('&');
    }

    CodeState Scan() {
        while (i_ < text_.size()) {
            if (state_.span == 0) {
                InCode();
            } else {
                InSpan(syntax_.spans[state_.span - 1u]);
            }
        }
        // A one-line span ends with its line, unless the line ends in the string's escape.
        if (state_.span != 0 && !syntax_.spans[state_.span - 1u].multiLine && !endsInEscape_) state_ = {};
        BlankUrls(line_);
        return state_;
    }

private:
    void InCode() {
        if (text_[i_] >= 0x80 || !mayOpen_[text_[i_]]) {  // most of code: nothing opens here
            if (!syntax_.markup) line_[i_] = u' ';
            ++i_;
            return;
        }
        if (syntax_.charLiterals && text_[i_] == u'\'') return SkipCharLiteral();
        if (TryOpen(i_, i_, false)) return;
        if (!syntax_.stringPrefixes.empty() && IsWordStart(text_, i_)) {
            std::size_t quote = i_;
            while (quote < text_.size() && quote - i_ < 3 && text_[quote] < 0x80 &&
                   syntax_.stringPrefixes.find(static_cast<char>(text_[quote])) != std::string_view::npos) {
                ++quote;
            }
            if (quote > i_ && quote < text_.size() && TryOpen(i_, quote, true)) return;
        }
        if (syntax_.markup && text_[i_] == u'&') return SkipEntity();
        if (!syntax_.markup) line_[i_] = u' ';
        ++i_;
    }

    // Opens the first span whose marker is at `marker`; `from` is where its prefix begins.
    bool TryOpen(std::size_t from, std::size_t marker, bool prefixed) {
        for (std::size_t index = 0; index < syntax_.spans.size(); ++index) {
            const CodeSpan& span = syntax_.spans[index];
            if (prefixed && span.kind != SpanKind::String) continue;
            if (IsAsciiLetter(text_[marker]) && !prefixed && !IsWordStart(text_, marker)) continue;
            const bool comment = span.kind == SpanKind::Comment;
            if (comment && syntax_.commentAtWordStart && !IsCommandStart(text_, marker)) continue;
            const Opening opening = MatchOpen(span, text_, marker);
            if (opening.length == 0) continue;
            bool raw = false;
            for (std::size_t k = from; k < marker; ++k) {
                raw = raw || syntax_.rawPrefixes.find(static_cast<char>(text_[k])) != std::string_view::npos;
            }
            state_ = {static_cast<std::uint8_t>(index + 1), opening.level, raw};
            Blank(line_, from, marker + opening.length);
            i_ = marker + opening.length;
            return true;
        }
        return false;
    }

    // 'a', '\n', '\u{1F600}'; a ' that starts none (a lifetime, a prime) is left alone.
    void SkipCharLiteral() {
        std::size_t end = i_ + 1;
        if (end < text_.size() && text_[end] == u'\\') {
            const std::size_t close = text_.substr(0, i_ + kLongestCharLiteral).find(u'\'', end + 2);
            end = close != std::u16string_view::npos ? close + 1 : i_ + 1;
        } else if (end < text_.size()) {
            end += (text_[end] & 0xFC00) == 0xD800 ? 2 : 1;
            end = end < text_.size() && text_[end] == u'\'' ? end + 1 : i_ + 1;
        }
        Blank(line_, i_, end);
        i_ = end;
    }

    // &amp; &#233; &#x2014; in markup's text.
    void SkipEntity() {
        std::size_t end = i_ + 1;
        while (end < text_.size() && end - i_ <= 32 && (IsAsciiLetter(text_[end]) || IsAsciiDigit(text_[end]) ||
                                                        text_[end] == u'#')) {
            ++end;
        }
        if (end > i_ + 1 && end < text_.size() && text_[end] == u';') {
            Blank(line_, i_, end + 1);
            i_ = end;
        }
        ++i_;
    }

    // One step inside an open span.
    void InSpan(const CodeSpan& span) {
        const bool escapes = span.kind == SpanKind::String && span.escape != 0 && !state_.raw;
        if (escapes && text_[i_] == static_cast<unsigned char>(span.escape)) return SkipEscape();
        if (span.interpolates && At(text_, i_, "${")) return SkipInterpolation();
        if (const std::size_t close = MatchClose(span, state_.level, text_, i_)) {
            if (span.doubledClose && At(text_, i_ + close, span.close)) {  // 'it''s': a quote of the text
                Blank(line_, i_, i_ + 2 * close);
                i_ += 2 * close;
                return;
            }
            Blank(line_, i_, i_ + close);
            i_ += close;
            if (!span.nests || --state_.level == 0) state_ = {};
            return;
        }
        if (span.nests) {
            const Opening opening = MatchOpen(span, text_, i_);
            if (opening.length != 0) {
                if (state_.level < kMostRepeats) ++state_.level;
                Blank(line_, i_, i_ + opening.length);
                i_ += opening.length;
                return;
            }
        }
        if (span.kind == SpanKind::Hidden) line_[i_] = u' ';
        ++i_;
    }

    // \n, \", \x41, \u00E9, \U0001F600, \u{1F600}, \N{name}: blanked whole, so "\nHello" keeps Hello.
    void SkipEscape() {
        endsInEscape_ = i_ + 1 == text_.size();
        std::size_t end = std::min(i_ + 2, text_.size());
        if (end == i_ + 2 && text_[i_] == u'\\') {
            const char16_t letter = text_[i_ + 1];
            const std::size_t digits = letter == u'x' ? 2 : letter == u'u' ? 4 : letter == u'U' ? 8 : 0;
            for (const std::size_t last = end + digits; end < std::min(last, text_.size()) && IsHexDigit(text_[end]);) {
                ++end;
            }
            if ((letter == u'u' || letter == u'N') && end < text_.size() && text_[end] == u'{') {
                const std::size_t close = text_.substr(0, end + kLongestEscapeName).find(u'}', end);
                if (close != std::u16string_view::npos) end = close + 1;
            }
        }
        Blank(line_, i_, end);
        i_ = end;
    }

    // ${expression} to its closing brace, or to the line's end.
    void SkipInterpolation() {
        std::size_t end = i_ + 2;
        for (int depth = 1; end < text_.size() && depth > 0; ++end) {
            if (text_[end] == u'{') ++depth;
            if (text_[end] == u'}') --depth;
        }
        Blank(line_, i_, end);
        i_ = end;
    }

    const CodeSyntax& syntax_;
    CodeState state_;
    std::u16string& line_;  // masked as the scan goes
    const std::u16string original_;
    const std::u16string_view text_;  // what is scanned: the line as it was
    std::bitset<128> mayOpen_;  // the ASCII characters a span, its prefix or a literal may start with
    std::size_t i_ = 0;
    bool endsInEscape_ = false;
};

}  // namespace

CodeState MaskCodeLine(const CodeSyntax& syntax, CodeState state, std::u16string& line) {
    if (state.span > syntax.spans.size()) state = {};
    return LineScanner(syntax, state, line).Scan();
}

}  // namespace morvane
