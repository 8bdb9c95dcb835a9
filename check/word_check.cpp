#include "word_check.h"

#include <algorithm>

#include "engine/spelling.h"

namespace morvane {

bool IsFoundWord(std::u16string_view word, const WordList& words, const PersonalWords& personal) {
    if (personal.Contains(word)) return true;
    // The words of a text are clean already (letters, apostrophes and hyphens): they are
    // looked up as they are, without the copy that cleaning makes.
    const bool clean = std::all_of(word.begin(), word.end(), InWordAlphabet);
    return clean ? IsInDictionary(words, word) : IsInDictionary(words, CleanWord(word));
}

}  // namespace morvane
