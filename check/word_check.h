#pragma once
// Whether a word of a text counts as found: in the dictionary as the check window looks it up,
// or among the personal and session words.
#include <string_view>

#include "engine/word_list.h"
#include "personal_words.h"

namespace morvane {

bool IsFoundWord(std::u16string_view word, const WordList& words, const PersonalWords& personal);

}  // namespace morvane
