#include "checkable_text.h"

namespace morvane {

TextRules RulesOfLanguage(std::string_view languageId) {
    if (languageId == "markdown" || languageId == "md") return {TextKind::Markdown};
    if (const CodeSyntax* code = CodeSyntaxOfLanguage(languageId)) return {TextKind::Code, code};
    // As editors name TeX's kinds: LSP's ids, Vim's file types and Emacs' modes (AUCTeX's too).
    for (std::string_view tex : {"latex", "LaTeX", "tex", "TeX", "plaintex", "plain-tex", "context", "ConTeXt",
                                 "doctex", "docTeX"}) {
        if (languageId == tex) return {TextKind::Latex};
    }
    // A bibliography is mostly keys, field names, people's names and addresses: checked whole,
    // its flags would be false ones.
    if (languageId == "bibtex" || languageId == "bib") return {TextKind::Off};
    return {TextKind::Whole};
}

BlockState MaskLine(const TextRules& rules, BlockState state, std::u16string& line) {
    switch (rules.kind) {
    case TextKind::Whole:
        break;
    case TextKind::Markdown:
        state.markdown = MaskMarkdownLine(state.markdown, line);
        break;
    case TextKind::Off:
        line.assign(line.size(), u' ');
        break;
    case TextKind::Code:
        if (rules.code != nullptr) state.code = MaskCodeLine(*rules.code, state.code, line);
        break;
    case TextKind::Latex:
        state.latex = MaskLatexLine(state.latex, line);
        break;
    }
    return state;
}

}  // namespace morvane
