#pragma once
// An open document with the words found wanting on each of its lines. An edit re-checks the
// lines it touched, and goes on past them only while the state a line starts in (an open
// code fence, say) differs from what it was before the edit.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "checkable_text.h"
#include "text_document.h"

namespace morvane {

// A word that was not found: its line, and its place on the line in code units.
struct FlaggedWord {
    std::size_t line = 0;
    std::size_t column = 0;
    std::size_t length = 0;
    bool operator==(const FlaggedWord&) const = default;
};

class CheckedDocument {
public:
    using IsFound = std::function<bool(std::u16string_view word)>;

    CheckedDocument(TextRules rules, std::u16string text, const IsFound& isFound);

    const TextDocument& Text() const { return text_; }
    // The flagged words of lines firstLine to lastLine (both included), in the order of the text.
    std::vector<FlaggedWord> Flagged(std::size_t firstLine = 0, std::size_t lastLine = SIZE_MAX) const;
    std::u16string_view WordOf(const FlaggedWord& word) const;

    // Replaces the text between two positions; returns how many lines were checked again.
    std::size_t Edit(TextPosition start, TextPosition end, PositionEncoding encoding, std::u16string_view replacement,
                     const IsFound& isFound);
    // Every line checked again: the text is new, or what counts as found has changed.
    void ReplaceAll(std::u16string text, const IsFound& isFound);
    void CheckAgain(const IsFound& isFound);
    const TextRules& Rules() const { return rules_; }
    // Every line checked again by other rules (the user chose another way to check the language).
    void SetRules(TextRules rules, const IsFound& isFound);

private:
    struct CheckedLine {
        BlockState stateIn;
        std::vector<FlaggedWord> flagged;  // their line left 0: lines move as edits come
    };
    BlockState CheckLine(std::size_t line, BlockState state, const IsFound& isFound);

    TextRules rules_;
    TextDocument text_;
    std::vector<CheckedLine> lines_;  // one for each line of the text
    std::u16string prose_;            // the line being checked, masked: kept to spare an allocation a line
};

}  // namespace morvane
