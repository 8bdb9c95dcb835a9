#include "check_list.h"

#include "spelling.h"

namespace morvane {

bool IsBlankWord(std::u16string_view typed) {
    return typed.find_first_not_of(u' ') == std::u16string_view::npos;
}

bool IsFixedListText(std::u16string_view entry) {
    return entry == kNoSuggestions || entry == kWordNotFound;
}

CheckResult CheckWord(std::u16string_view typed, const WordList& words, int maxSuggestionCount) {
    CheckResult result;
    if (IsBlankWord(typed)) {
        result.blank = true;
        return result;
    }
    const std::u16string word = CleanWord(typed);
    if (IsInDictionary(words, word)) {
        result.entries.emplace_back(typed);
        return result;
    }
    result.found = false;
    std::vector<std::u16string> suggestions = FindSuggestions(words, word, maxSuggestionCount);
    suggestions.pop_back();  // the text after the last suggestion is never shown
    if (suggestions.empty()) {
        result.entries = {kWordNotFound, kNoSuggestions};
    } else {
        result.entries = std::move(suggestions);
    }
    return result;
}

}  // namespace morvane
