#pragma once
// Screening, lookup, phonetic key, similarity and suggestions for typed words.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "word_list.h"

namespace morvane {

// The largest suggestion limit the search accepts; callers refuse others before searching.
constexpr int kMaxSuggestionLimit = 32767;

// The characters a cleaned word is made of: A-Z, a-z, the apostrophe and the hyphen.
bool InWordAlphabet(char16_t c);

// The word with one stray last character dropped; the empty text when any other character
// is outside the letters A-Z and a-z, the apostrophe and the hyphen.
std::u16string CleanWord(std::u16string_view word);

// True for the empty word and for a word that an entry equals, case ignored. A binary
// search, so the list must ascend by its lower-cased entries for every word to be found.
bool IsInDictionary(const WordList& words, std::u16string_view word);

// The first character upper-cased, then the digits of the consonant groups that follow,
// never the same digit twice in a row.
std::u16string PhoneticKey(std::u16string_view word);

// How close candidate b is to the typed word a: 1 for equal words, case ignored; less
// otherwise. Not symmetric.
double WordSimilarity(std::u16string_view a, std::u16string_view b);

// The entries of word's first-letter run with word's phonetic key and a similarity above 0,
// best first (equal scores keep list order), cut to maxSuggestionCount, followed by one
// more text: the next-ranked candidate when there were more, else the empty text. So the
// result has U + 1 texts for U suggestions. maxSuggestionCount must be 0..kMaxSuggestionLimit.
std::vector<std::u16string> FindSuggestions(const WordList& words, std::u16string_view word,
                                            int maxSuggestionCount);

}  // namespace morvane
