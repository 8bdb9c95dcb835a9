// Check of any typed text against a word list made of any bytes, with a limit taken from the
// input: the list's entries, the lookup and the suggestions must be exactly those of the
// plain implementation.
#include <cstddef>
#include <cstdint>

#include "engine/check_list.h"
#include "engine/spelling.h"
#include "fuzz/fuzz_input.h"
#include "tests/engine/reference_engine.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int limit = fuzz::ConsumeSuggestionLimit(input);
    const std::u16string typed = fuzz::ConsumeTypedText(input);
    const std::string dictionary = input.ConsumeRemainingBytesAsString();
    const WordList words = fuzz::MakeWordList(dictionary);
    const reference::WordList plain = reference::LoadWordList(dictionary, AnsiCodePage::Windows1252());

    const CheckResult result = CheckWord(typed, words, limit);
    const reference::CheckOutcome expected = reference::CheckWord(typed, plain, limit);
    if (result.blank != expected.blank || result.found != expected.found || result.entries != expected.entries) {
        fuzz::ReportDifference("CheckWord", typed);
    }

    const std::u16string word = CleanWord(typed);
    if (IsInDictionary(words, word) != reference::IsInDictionary(plain, word)) {
        fuzz::ReportDifference("IsInDictionary", word);
    }
    if (!word.empty() && FindSuggestions(words, word, limit) != reference::FindSuggestions(plain, word, limit)) {
        fuzz::ReportDifference("FindSuggestions", word);
    }
    return 0;
}
