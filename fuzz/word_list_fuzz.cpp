// Loading a word list from any bytes: the entries, the first-letter runs and lookup of the
// entries themselves must be exactly those of the plain implementation.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>

#include "engine/char_case.h"
#include "engine/spelling.h"
#include "fuzz/fuzz_input.h"
#include "tests/engine/reference_engine.h"

namespace {

using namespace morvane;

constexpr std::int64_t kEntriesCompared = 256;
constexpr std::int64_t kEntriesLookedUp = 64;

// Where the suggestion search's walk from the start of the list stops, for every first
// letter of an entry: the index of the first entry that begins with it.
std::map<char16_t, std::int64_t> WalkStops(const reference::WordList& words) {
    std::map<char16_t, std::int64_t> stops;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!words[i].empty()) stops.emplace(LowerChar(words[i][0]), static_cast<std::int64_t>(i));
    }
    return stops;
}

std::u16string Upper(std::u16string text) {
    for (char16_t& c : text) c = UpperChar(c);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const WordList words = fuzz::MakeWordList(bytes);
    const reference::WordList plain = reference::LoadWordList(bytes, AnsiCodePage::Windows1252());

    if (words.Count() != static_cast<std::int64_t>(plain.size())) fuzz::ReportDifference("entry count", u"");
    const std::int64_t compared = std::min(words.Count(), kEntriesCompared);
    for (std::int64_t i = 0; i < compared; ++i) {
        if (words.Entry(i) != plain[i]) fuzz::ReportDifference("Entry", plain[i]);
    }
    const std::int64_t lookedUp = std::min(words.Count(), kEntriesLookedUp);
    for (std::int64_t i = 0; i < lookedUp; ++i) {
        for (const std::u16string& word : {plain[i], Upper(plain[i]), plain[i] + u'a'}) {
            if (IsInDictionary(words, word) != reference::IsInDictionary(plain, word)) {
                fuzz::ReportDifference("IsInDictionary", word);
            }
        }
    }
    std::map<char16_t, std::int64_t> stops = WalkStops(plain);
    // A letter that begins no entry: the walk runs to the end of the list.
    for (char16_t absent : {u'a', u'z', u'\'', u'\u00e9'}) stops.emplace(absent, words.Count());
    for (const auto& [letter, index] : stops) {
        if (words.FirstIndexOfLetter(letter) != index) {
            fuzz::ReportDifference("FirstIndexOfLetter", std::u16string(1, letter));
        }
    }
    return 0;
}
