#pragma once
// What the check window's list shows after Check, as a pure function of the typed text,
// the word list and the suggestion limit.
#include <string>
#include <string_view>
#include <vector>

#include "word_list.h"

namespace morvane {

inline constexpr char16_t kWordNotFound[] = u"Word Not Found";
inline constexpr char16_t kNoSuggestions[] = u"No Suggestions :(";

// A text that is empty once leading and trailing spaces are trimmed: Check leaves the list
// as it is.
bool IsBlankWord(std::u16string_view typed);

// True for the two fixed texts of the list, which are not words to look up.
bool IsFixedListText(std::u16string_view entry);

struct CheckResult {
    bool blank = false;  // the list is left as it is; entries is empty
    bool found = true;   // false only for a screened word that is not in the list
    std::vector<std::u16string> entries;  // the list's new texts, in order
};

// The typed text exactly as typed (not trimmed); maxSuggestionCount 0..kMaxSuggestionLimit.
CheckResult CheckWord(std::u16string_view typed, const WordList& words, int maxSuggestionCount);

}  // namespace morvane
