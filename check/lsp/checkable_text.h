#pragma once
// Which parts of a document are prose to check, by the document's language: Markdown without
// its markup (markdown_text.h); source code's comments and strings (code_text.h); LaTeX
// without its commands, math and verbatim text (latex_text.h); plain text, and any language
// the server does not know, whole.
#include <string>
#include <string_view>

#include "code_text.h"
#include "latex_text.h"
#include "markdown_text.h"

namespace morvane {

enum class TextKind {
    Whole,     // every word
    Markdown,  // the prose of Markdown (also how a user's "prose" choice is checked)
    Off,       // nothing
    Code,      // the comments and strings of source code, identifiers in them split into their words
    Latex,     // the prose of LaTeX
};

// How a document is checked.
struct TextRules {
    TextKind kind = TextKind::Whole;
    const CodeSyntax* code = nullptr;  // the language's comments and strings, for Code
    bool operator==(const TextRules&) const = default;
};

// The rules for a language id, as the client names the language (LSP's languageId).
TextRules RulesOfLanguage(std::string_view languageId);

// What a line inherits from the lines before it, for the kind of text it is in.
struct BlockState {
    MarkdownState markdown;
    CodeState code;
    LatexState latex;
    bool operator==(const BlockState&) const = default;
};

// Replaces what is not prose on the line (without its line end) with spaces, so that every
// word keeps its place; returns the state the next line starts in.
BlockState MaskLine(const TextRules& rules, BlockState state, std::u16string& line);

}  // namespace morvane
