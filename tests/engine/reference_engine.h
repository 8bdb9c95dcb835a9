#pragma once
// A plain implementation of the spelling algorithms, written step by step from their
// description and kept simple on purpose: a list of decoded strings, lower-casing on every
// probe, a key computed for every entry examined, the slot-by-slot insertion ranking. The
// fast engine must give exactly its answers; tests and benchmarks compare the two.
#include <string>
#include <string_view>
#include <vector>

#include "engine/code_page.h"

namespace morvane::reference {

using WordList = std::vector<std::u16string>;

WordList LoadWordList(std::string_view fileBytes, const AnsiCodePage& codePage);
std::u16string CleanWord(std::u16string_view word);
bool IsInDictionary(const WordList& words, std::u16string_view word);
std::u16string PhoneticKey(std::u16string_view word);
double WordSimilarity(std::u16string_view a, std::u16string_view b);
// Candidates scoring 0 or less are not offered: the cut counts only those above 0.
std::vector<std::u16string> FindSuggestions(const WordList& words, std::u16string_view word, int maxSuggestionCount);

struct CheckOutcome {
    bool blank = false;
    bool found = true;
    std::vector<std::u16string> entries;
};
CheckOutcome CheckWord(std::u16string_view typed, const WordList& words, int maxSuggestionCount);

}  // namespace morvane::reference
