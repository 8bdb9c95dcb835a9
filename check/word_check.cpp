#include "word_check.h"

#include "engine/spelling.h"

namespace morvane {

bool IsFoundWord(std::u16string_view word, const WordList& words, const PersonalWords& personal) {
    return personal.Contains(word) || IsInDictionary(words, CleanWord(word));
}

}  // namespace morvane
