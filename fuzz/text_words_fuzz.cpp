// The words of any line, with any verdict on them: each is a run of letters with an
// apostrophe or hyphen only between two, no letter and no apostrophe between two letters is
// left out, a word of another alphabet is found, and a hyphenated word not found is cut.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "check/text_words.h"
#include "fuzz/fuzz_input.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto seed = input.ConsumeIntegral<std::uint32_t>();
    const std::u16string line = fuzz::TypedText(input.ConsumeRemainingBytesAsString());
    const auto verdict = [seed](std::u16string_view word) {  // any, the same for the same word
        std::uint32_t hash = seed;
        for (char16_t c : word) hash = (hash ^ c) * 16777619u;
        return (hash >> 7) % 3 != 0;
    };
    const auto isLetter = [](std::u16string_view text, std::size_t i) {
        return i < text.size() && IsWordLetter(CodePointAt(text, i).value);
    };
    std::vector<bool> inWord(line.size() + 1);
    ForEachCheckedWord(line, verdict, [&](std::u16string_view word, bool found) {
        const auto start = static_cast<std::size_t>(word.data() - line.data());
        const bool astray = word.empty() || start + word.size() > line.size() || inWord[start];
        if (astray) fuzz::ReportDifference("a word out of place", line);
        std::fill(inWord.begin() + start, inWord.begin() + start + word.size(), true);
        bool afterLetter = false;
        for (std::size_t i = 0; i < word.size(); i += CodePointAt(word, i).units) {
            const bool letter = isLetter(word, i);
            if (!letter && !(afterLetter && (word[i] == u'\'' || word[i] == u'-') && isLetter(word, i + 1))) {
                fuzz::ReportDifference("a word not made of letters", line);
            }
            afterLetter = letter;
        }
        if (found != (IsAsciiWord(word) ? verdict(word) : true)) fuzz::ReportDifference("a word's verdict", line);
        if (!found && word.find(u'-') != std::u16string_view::npos) fuzz::ReportDifference("a word not cut", line);
    });
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool apostropheInside = line[i] == u'\'' && i > 0 && inWord[i - 1] && inWord[i + 1];
        if (!inWord[i] && (isLetter(line, i) || apostropheInside)) fuzz::ReportDifference("a letter left out", line);
    }
    return 0;
}
