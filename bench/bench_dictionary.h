#pragma once
// One dictionary under benchmark, with the words measured against it.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/suggestion_limit.h"
#include "engine/word_list.h"

namespace morvane::bench {

// The suggestion limit of the shipped Settings.ini, which is the default one.
inline constexpr int kSuggestionLimit = kDefaultSuggestionLimit;

struct BenchDictionary {
    std::string label;  // names the benchmarks: Load/<label>, Check/<label>, ...
    std::string path;
    std::size_t fileBytes = 0;
    WordList words;                          // loaded once; its lazy indexes are built by the first use
    std::vector<std::u16string> foundWords;  // entries spread over the whole list
    std::vector<std::u16string> misspelt;    // corpus words that this dictionary does not hold
};

// Loads the dictionary and picks its words: the corpus words it does not hold, and about
// 1000 of its own entries. Throws std::runtime_error when the file cannot be read.
std::unique_ptr<BenchDictionary> PrepareDictionary(const std::string& label, const std::string& path,
                                                   const std::vector<std::u16string>& corpus);

// The first misspelt word for each first letter, in letter order: what the first Check after a
// load is measured with, since each letter's run is indexed on its own.
std::vector<std::u16string> OneWordPerFirstLetter(const std::vector<std::u16string>& misspelt);

}  // namespace morvane::bench
