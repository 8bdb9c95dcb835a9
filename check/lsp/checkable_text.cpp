#include "checkable_text.h"

namespace morvane {

TextRules RulesOfLanguage(std::string_view languageId) {
    if (languageId == "markdown" || languageId == "md") return {TextKind::Markdown};
    if (const CodeSyntax* code = CodeSyntaxOfLanguage(languageId)) return {TextKind::Code, code};
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
    }
    return state;
}

}  // namespace morvane
