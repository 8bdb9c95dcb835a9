#pragma once
// The words of source code's comments and strings: the words of text_words.h, and in a word
// not found whole, the words an identifier is made of (recieveData: recieve, Data). Between
// underscores and digits words part anyway, as the word rule takes letters only.
#include <cstddef>
#include <string_view>

#include "text_words.h"

namespace morvane {

// Calls onPart(part) for each part of a word written in camelCase or PascalCase, in order: a
// part begins at a capital after a small letter (recieveData: recieve, Data) and at the last
// capital of a run before small letters (HTTPServer: HTTP, Server), unless they are only a
// plural's s (URLs, IDsFound: IDs, Found). A word with none of these comes whole.
template <typename OnPart>
void ForEachIdentifierPart(std::u16string_view word, OnPart&& onPart) {
    auto isSmall = [](char16_t c) { return c >= u'a' && c <= u'z'; };
    auto isCapital = [](char16_t c) { return c >= u'A' && c <= u'Z'; };
    std::size_t start = 0;
    for (std::size_t i = 1; i < word.size(); ++i) {
        const bool afterSmall = isSmall(word[i - 1]) && isCapital(word[i]);
        const bool plural =
            i + 1 < word.size() && word[i + 1] == u's' && (i + 2 == word.size() || !isSmall(word[i + 2]));
        const bool endsCapitals = isCapital(word[i - 1]) && isCapital(word[i]) && i + 1 < word.size() &&
                                  isSmall(word[i + 1]) && !plural;
        if (!afterSmall && !endsCapitals) continue;
        onPart(word.substr(start, i - start));
        start = i;
    }
    onPart(word.substr(start));
}

// ForEachCheckedWord for code: a word not found whole is checked part by part when it is an
// identifier of several parts, each part found or not on its own.
template <typename IsFound, typename OnWord>
void ForEachCheckedCodeWord(std::u16string_view line, IsFound&& isFound, OnWord&& onWord) {
    ForEachCheckedWord(line, isFound, [&](std::u16string_view word, bool found) {
        std::size_t parts = 0;
        if (!found) ForEachIdentifierPart(word, [&](std::u16string_view) { ++parts; });
        if (parts < 2) {
            onWord(word, found);
            return;
        }
        ForEachIdentifierPart(word, [&](std::u16string_view part) { onWord(part, isFound(part)); });
    });
}

}  // namespace morvane
