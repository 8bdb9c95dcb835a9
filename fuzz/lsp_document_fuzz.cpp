// Edits of an open document, at any positions in either encoding, as plain text, Markdown or
// source code: the text, its lines and the words flagged after each edit must be those of
// the plainly edited text checked whole, and in plain text only the lines an edit replaced
// are checked again. Masking a line only ever makes characters spaces.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "check/lsp/checked_document.h"
#include "check/word_check.h"
#include "fuzz/fuzz_input.h"

using namespace morvane;

namespace {

// The lines of a text, split the plain way: \r\n, \n or \r ends one.
std::vector<std::pair<std::size_t, std::size_t>> PlainLines(const std::u16string& text) {
    std::vector<std::pair<std::size_t, std::size_t>> lines;  // start, end of content
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r') continue;
        lines.emplace_back(start, i);
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    lines.emplace_back(start, text.size());
    return lines;
}

// Where a position falls, counted character by character.
std::size_t PlainOffset(const std::u16string& text, TextPosition position, PositionEncoding encoding) {
    const auto lines = PlainLines(text);
    if (position.line >= lines.size()) return text.size();
    auto [i, end] = lines[position.line];
    for (std::size_t counted = 0; i < end && counted < position.character;) {
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < end && text[i + 1] >= 0xDC00 &&
                          text[i + 1] <= 0xDFFF;
        const char16_t c = text[i];
        counted += encoding == PositionEncoding::Utf16 ? (pair ? 2 : 1) : pair ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        i += pair ? 2 : 1;
    }
    return i;
}

// Plain text, Markdown, LaTeX, or a language of code; between them every kind of marker the
// code scanner knows (nesting, repeated characters, prefixes, char literals, markup, escapes
// other than \).
TextRules ConsumeRules(FuzzedDataProvider& input) {
    static constexpr const char* kLanguages[] = {"plaintext", "markdown", "latex", "cpp",  "python", "lua", "rust",
                                                 "html",      "csharp",   "sh",    "sql",  "ruby",   "powershell"};
    return RulesOfLanguage(kLanguages[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kLanguages) - 1)]);
}

void CheckMasking(const TextRules& rules, const CheckedDocument& document) {
    BlockState state;
    for (std::size_t i = 0; i < document.Text().LineCount(); ++i) {
        const std::u16string_view line = document.Text().Line(i);
        std::u16string masked(line);
        state = MaskLine(rules, state, masked);
        if (masked.size() != line.size()) fuzz::ReportDifference("the length of a masked line", line);
        for (std::size_t k = 0; k < line.size(); ++k) {
            if (masked[k] != line[k] && masked[k] != u' ') fuzz::ReportDifference("a masked character", line);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const WordList words = fuzz::MakeWordList("bad\r\nbed\r\nhello\r\nreceive");
    static const PersonalWords personal;
    const CheckedDocument::IsFound isFound = [](std::u16string_view word) {
        return IsFoundWord(word, words, personal);
    };
    FuzzedDataProvider input(data, size);
    const TextRules rules = ConsumeRules(input);
    const PositionEncoding encoding = input.ConsumeBool() ? PositionEncoding::Utf8 : PositionEncoding::Utf16;
    std::u16string text = fuzz::ConsumeTypedText(input);
    CheckedDocument document(rules, text, isFound);
    CheckMasking(rules, document);
    while (input.remaining_bytes() > 0) {
        TextPosition start{input.ConsumeIntegral<std::uint8_t>() % 16u, input.ConsumeIntegral<std::uint8_t>()};
        TextPosition end{input.ConsumeIntegral<std::uint8_t>() % 16u, input.ConsumeIntegral<std::uint8_t>()};
        const std::u16string replacement = fuzz::TypedText(input.ConsumeRandomLengthString(24));
        std::size_t from = PlainOffset(text, start, encoding), to = PlainOffset(text, end, encoding);
        if (to < from) std::swap(from, to);
        text.replace(from, to - from, replacement);
        const std::size_t rechecked = document.Edit(start, end, encoding, replacement, isFound);
        // In plain text no line depends on the one before: only the lines replaced are checked.
        const auto breaks = static_cast<std::size_t>(std::count_if(
            replacement.begin(), replacement.end(), [](char16_t c) { return c == u'\n' || c == u'\r'; }));
        if (rules.kind == TextKind::Whole && rechecked > breaks + 2) fuzz::ReportDifference("lines checked again", text);

        if (document.Text().Text() != text) fuzz::ReportDifference("the edited text", text);
        const auto lines = PlainLines(text);
        if (document.Text().LineCount() != lines.size()) fuzz::ReportDifference("the number of lines", text);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto [first, last] = lines[i];
            if (document.Text().Line(i) != std::u16string_view(text).substr(first, last - first)) {
                fuzz::ReportDifference("a line", text);
            }
        }
        if (document.Flagged() != CheckedDocument(rules, text, isFound).Flagged()) {
            fuzz::ReportDifference("the flagged words", text);
        }
    }
    return 0;
}
