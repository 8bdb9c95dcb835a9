#include "bench/bench_dictionary.h"

#include <map>

#include "bench/file_reading.h"
#include "engine/char_case.h"
#include "engine/spelling.h"

namespace morvane::bench {

std::unique_ptr<BenchDictionary> PrepareDictionary(const std::string& label, const std::string& path,
                                                   const std::vector<std::u16string>& corpus) {
    auto dictionary = std::make_unique<BenchDictionary>();
    dictionary->label = label;
    dictionary->path = path;
    FileBytes bytes = ReadFileFresh(path);
    dictionary->fileBytes = bytes.size;
    dictionary->words = WordList(std::move(bytes), AnsiCodePage::Windows1252());

    const std::int64_t count = dictionary->words.Count();
    const std::int64_t step = count / 1000 + 1;
    for (std::int64_t i = step / 2; i < count; i += step) {
        dictionary->foundWords.push_back(dictionary->words.Entry(i));
    }
    for (const std::u16string& word : corpus) {
        if (!IsInDictionary(dictionary->words, CleanWord(word))) dictionary->misspelt.push_back(word);
    }
    return dictionary;
}

std::vector<std::u16string> OneWordPerFirstLetter(const std::vector<std::u16string>& misspelt) {
    std::map<char16_t, std::u16string> byLetter;
    for (const std::u16string& word : misspelt) byLetter.emplace(LowerChar(word.front()), word);
    std::vector<std::u16string> words;
    for (auto& [letter, word] : byLetter) words.push_back(std::move(word));
    return words;
}

}  // namespace morvane::bench
