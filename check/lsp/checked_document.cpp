#include "checked_document.h"

#include "check/code_words.h"
#include "check/text_words.h"

namespace morvane {

CheckedDocument::CheckedDocument(TextRules rules, std::u16string text, const IsFound& isFound) : rules_(rules) {
    ReplaceAll(std::move(text), isFound);
}

std::vector<FlaggedWord> CheckedDocument::Flagged(std::size_t firstLine, std::size_t lastLine) const {
    std::vector<FlaggedWord> all;
    for (std::size_t line = firstLine; line < lines_.size() && line <= lastLine; ++line) {
        for (const FlaggedWord& word : lines_[line].flagged) all.push_back({line, word.column, word.length});
    }
    return all;
}

std::u16string_view CheckedDocument::WordOf(const FlaggedWord& word) const {
    return text_.Line(word.line).substr(word.column, word.length);
}

BlockState CheckedDocument::CheckLine(std::size_t line, BlockState state, const IsFound& isFound) {
    CheckedLine& checked = lines_[line];
    checked.stateIn = state;
    checked.flagged.clear();
    prose_.assign(text_.Line(line));
    const BlockState next = MaskLine(rules_, state, prose_);
    auto flag = [&](std::u16string_view word, bool found) {
        if (!found) checked.flagged.push_back({0, static_cast<std::size_t>(word.data() - prose_.data()), word.size()});
    };
    if (rules_.kind == TextKind::Code) {
        ForEachCheckedCodeWord(prose_, isFound, flag);  // identifiers only in code: never in prose
    } else {
        ForEachCheckedWord(prose_, isFound, flag);
    }
    return next;
}

void CheckedDocument::ReplaceAll(std::u16string text, const IsFound& isFound) {
    text_ = TextDocument(std::move(text));
    CheckAgain(isFound);
}

void CheckedDocument::SetRules(TextRules rules, const IsFound& isFound) {
    rules_ = rules;
    CheckAgain(isFound);
}

void CheckedDocument::CheckAgain(const IsFound& isFound) {
    lines_.assign(text_.LineCount(), {});
    BlockState state;
    for (std::size_t line = 0; line < lines_.size(); ++line) state = CheckLine(line, state, isFound);
}

std::size_t CheckedDocument::Edit(TextPosition start, TextPosition end, PositionEncoding encoding,
                                  std::u16string_view replacement, const IsFound& isFound) {
    std::size_t from = text_.OffsetOf(start, encoding), to = text_.OffsetOf(end, encoding);
    if (to < from) std::swap(from, to);
    const ChangedLines changed = text_.Replace(from, to, replacement);

    // The first changed line starts in the state it had: the lines before it are as they were.
    BlockState state = lines_[changed.firstLine].stateIn;
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(changed.firstLine);
    lines_.erase(first, first + static_cast<std::ptrdiff_t>(changed.oldLineCount));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(changed.firstLine), changed.newLineCount, {});

    const std::size_t touchedEnd = changed.firstLine + changed.newLineCount;
    std::size_t line = changed.firstLine;
    for (; line < lines_.size(); ++line) {
        if (line >= touchedEnd && lines_[line].stateIn == state) break;  // from here on, as before
        state = CheckLine(line, state, isFound);
    }
    return line - changed.firstLine;
}

}  // namespace morvane
