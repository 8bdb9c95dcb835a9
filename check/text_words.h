#pragma once
// The words of a line of text, as the pipe and list modes take them: runs of the letters A-Z
// and a-z, with an apostrophe or a hyphen kept only where it stands between two letters.
#include <cstddef>
#include <string_view>

namespace morvane {

inline bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// Calls onWord(word, offset) for each word of the line in order. offset counts characters
// from the start of the line, a surrogate pair as one, as the editors that read it count.
template <typename OnWord>
void ForEachWord(std::u16string_view line, OnWord&& onWord) {
    std::size_t characters = 0;  // characters before line[i]
    for (std::size_t i = 0; i < line.size();) {
        if (!IsAsciiLetter(line[i])) {
            const bool pair = line[i] >= 0xD800 && line[i] <= 0xDBFF && i + 1 < line.size() &&
                              line[i + 1] >= 0xDC00 && line[i + 1] <= 0xDFFF;
            i += pair ? 2 : 1;
            ++characters;
            continue;
        }
        std::size_t end = i + 1;
        while (end < line.size()) {
            if (IsAsciiLetter(line[end])) {
                ++end;
            } else if ((line[end] == u'\'' || line[end] == u'-') && end + 1 < line.size() &&
                       IsAsciiLetter(line[end + 1])) {
                end += 2;
            } else {
                break;
            }
        }
        onWord(line.substr(i, end - i), characters);
        characters += end - i;  // all ASCII
        i = end;
    }
}

// The words of a line as a checker decides them: calls onWord(word, found) for each word, in
// order. word is a view into line, so its place is word.data() - line.data() code units.
// isFound(word) says whether a word is found (the dictionary, the personal and session words).
template <typename IsFound, typename OnWord>
void ForEachCheckedWord(std::u16string_view line, IsFound&& isFound, OnWord&& onWord) {
    ForEachWord(line, [&](std::u16string_view word, std::size_t) { onWord(word, isFound(word)); });
}

}  // namespace morvane
