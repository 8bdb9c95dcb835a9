#pragma once
// The words of a line of text, as the pipe and list modes (and the language server) take
// them: runs of letters (Unicode's letters and combining marks), with an apostrophe or a
// hyphen kept only where it stands between two letters.
#include <cstddef>
#include <string_view>

#include "letters.h"

namespace morvane {

// Calls onWord(word) for each word of the line in order; word is a view into line.
template <typename OnWord>
void ForEachWord(std::u16string_view line, OnWord&& onWord) {
    for (std::size_t i = 0; i < line.size();) {
        const CodePoint first = CodePointAt(line, i);
        if (!IsWordLetter(first.value)) {
            i += first.units;
            continue;
        }
        std::size_t end = i + first.units;
        while (end < line.size()) {
            const CodePoint next = CodePointAt(line, end);
            if (IsWordLetter(next.value)) {
                end += next.units;
                continue;
            }
            if ((line[end] != u'\'' && line[end] != u'-') || end + 1 == line.size()) break;
            const CodePoint after = CodePointAt(line, end + 1);
            if (!IsWordLetter(after.value)) break;
            end += 1 + after.units;
        }
        onWord(line.substr(i, end - i));
        i = end;
    }
}

// True for a word made only of A-Z and a-z (with its apostrophes and hyphens): the only
// words the dictionary can hold.
inline bool IsAsciiWord(std::u16string_view word) {
    for (char16_t c : word) {
        if (c >= 0x80) return false;
    }
    return true;
}

// The words of a line as a checker decides them: calls onWord(word, found) for each word, in
// order. word is a view into line, so its place is word.data() - line.data() code units.
// isFound(word) says whether a word is found (the dictionary, the personal and session words);
// it is asked only about words of A-Z and a-z: a word with any other letter is never flagged,
// as the dictionary holds no such word. A hyphenated word that is not found whole comes part by part, each
// part found or not on its own.
template <typename IsFound, typename OnWord>
void ForEachCheckedWord(std::u16string_view line, IsFound&& isFound, OnWord&& onWord) {
    ForEachWord(line, [&](std::u16string_view word) {
        if (!IsAsciiWord(word)) {
            onWord(word, true);
            return;
        }
        const bool found = isFound(word);
        if (found || word.find(u'-') == std::u16string_view::npos) {
            onWord(word, found);
            return;
        }
        for (;;) {
            const std::size_t hyphen = word.find(u'-');
            const std::u16string_view part = word.substr(0, hyphen);
            onWord(part, isFound(part));
            if (hyphen == std::u16string_view::npos) return;
            word.remove_prefix(hyphen + 1);
        }
    });
}

// The number of characters of text, a surrogate pair counted once: how editors count the
// offsets of the pipe mode.
inline std::size_t CharacterCount(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += CodePointAt(text, i).units) ++count;
    return count;
}

}  // namespace morvane
