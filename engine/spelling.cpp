#include "spelling.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

#include "char_case.h"
#include "word_list_index.h"

namespace morvane {
namespace {

// Compares an entry with a lower-cased word by lower-cased character codes; a text that is
// the beginning of the other is the smaller.
int CompareLowered(std::string_view entry, std::u16string_view loweredWord, const ByteTables& tables) {
    const std::size_t common = std::min(entry.size(), loweredWord.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t e = tables.lower[static_cast<unsigned char>(entry[i])];
        if (e != loweredWord[i]) return e < loweredWord[i] ? -1 : 1;
    }
    if (entry.size() == loweredWord.size()) return 0;
    return entry.size() < loweredWord.size() ? -1 : 1;
}

std::u16string Lowered(std::u16string_view word) {
    std::u16string lowered(word);
    for (char16_t& c : lowered) c = LowerChar(c);
    return lowered;
}

// The numerator of WordSimilarity: 3 less the difference in length, plus the positions at
// which the words agree from the front and from the back. All candidates of one search share
// the denominator, so this alone ranks them. lowerA(i) and lowerB(i) give the lower-cased
// characters of the typed word (length la) and the candidate (length lb).
template <typename LowerA, typename LowerB>
std::int64_t AgreementPoints(std::size_t la, std::size_t lb, LowerA lowerA, LowerB lowerB) {
    std::int64_t points = 3 - static_cast<std::int64_t>(la > lb ? la - lb : lb - la);
    const std::size_t common = std::min(la, lb);
    for (std::size_t i = 0; i < common; ++i) {
        // Added rather than tested: whether letters agree is a coin toss the processor cannot
        // predict, and a branch it guesses wrong costs more than the addition.
        points += lowerA(i) == lowerB(i);
        points += lowerA(la - 1 - i) == lowerB(lb - 1 - i);
    }
    return points;
}

// The same for a lower-cased word and an entry's bytes, decoded through the list's tables.
std::int64_t SimilarityPoints(std::u16string_view loweredWord, std::string_view entry, const ByteTables& tables) {
    return AgreementPoints(
        loweredWord.size(), entry.size(), [&](std::size_t i) { return loweredWord[i]; },
        [&](std::size_t i) { return tables.lower[static_cast<unsigned char>(entry[i])]; });
}

struct Candidate {
    std::int64_t points;
    std::string_view entry;
};

}  // namespace

bool InWordAlphabet(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'\'' || c == u'-';
}

std::u16string CleanWord(std::u16string_view word) {
    std::u16string result;
    result.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (InWordAlphabet(word[i])) {
            result.push_back(word[i]);
        } else if (i + 1 < word.size()) {
            return {};
        }
    }
    return result;
}

bool IsInDictionary(const WordList& words, std::u16string_view word) {
    if (word.empty()) return true;
    if (words.Count() == 0) return false;
    WordList::Index& index = words.SearchIndex();
    index.NoteLookup();
    // Lower-cased on the stack when it fits: a language server looks up every word of a
    // document, and most words are longer than a string holds without the heap.
    std::array<char16_t, 32> shortLowered;
    std::u16string longLowered;
    std::u16string_view lowered;
    if (word.size() <= shortLowered.size()) {
        std::transform(word.begin(), word.end(), shortLowered.begin(), LowerChar);
        lowered = {shortLowered.data(), word.size()};
    } else {
        longLowered = Lowered(word);
        lowered = longLowered;
    }
    std::int64_t low = 0;
    std::int64_t high = words.Count() - 1;
    while (low <= high) {
        const std::int64_t mid = (low + high) / 2;
        const int order = CompareLowered(index.EntryBytes(mid), lowered, index.Tables());
        if (order == 0) return true;
        if (order < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    return false;
}

std::u16string PhoneticKey(std::u16string_view word) {
    if (word.empty()) return {};
    std::u16string key(1, UpperChar(word[0]));
    for (std::size_t i = 1; i < word.size(); ++i) {
        const char16_t digit = PhoneticDigit(UpperChar(word[i]));
        if (digit != 0 && digit != key.back()) key.push_back(digit);
    }
    return key;
}

double WordSimilarity(std::u16string_view a, std::u16string_view b) {
    const std::int64_t points = AgreementPoints(
        a.size(), b.size(), [&](std::size_t i) { return LowerChar(a[i]); },
        [&](std::size_t i) { return LowerChar(b[i]); });
    return static_cast<double>(points) / (2.0 * static_cast<double>(a.size()) + 3.0);
}

std::vector<std::u16string> FindSuggestions(const WordList& words, std::u16string_view word,
                                            int maxSuggestionCount) {
    if (maxSuggestionCount < 0 || maxSuggestionCount > kMaxSuggestionLimit) {
        throw std::out_of_range("the suggestion limit must be 0 to 32767");
    }
    if (word.empty()) return {std::u16string()};

    WordList::Index& index = words.SearchIndex();
    const ByteTables& tables = index.Tables();
    const std::u16string key = PhoneticKey(word);
    const std::u16string lowered = Lowered(word);

    // The candidates, in list order: entries of the run with the same key that score above 0.
    std::vector<std::string_view> matches;
    index.FindKeyMatches(words, lowered[0], key, matches);
    std::vector<Candidate> candidates;
    candidates.reserve(matches.size());
    std::int64_t bestPoints = 0;
    for (const std::string_view entry : matches) {
        const std::int64_t points = SimilarityPoints(lowered, entry, tables);
        if (points <= 0) continue;
        candidates.push_back({points, entry});
        bestPoints = std::max(bestPoints, points);
    }

    // Best first; equal scores keep list order. Scores are small whole numbers (at most 3 and
    // twice the shorter length), so a counting sort orders them in one pass: first the place
    // where each score's candidates begin, then each candidate to its place if it is kept.
    const std::size_t cut = std::min(candidates.size(), static_cast<std::size_t>(maxSuggestionCount));
    const std::size_t kept = std::min(candidates.size(), cut + 1);
    std::vector<std::size_t> placeOfScore(static_cast<std::size_t>(bestPoints) + 1, 0);
    for (const Candidate& c : candidates) ++placeOfScore[static_cast<std::size_t>(c.points)];
    std::size_t before = 0;
    for (std::size_t points = placeOfScore.size(); points-- > 1;) {
        before += std::exchange(placeOfScore[points], before);
    }
    std::vector<std::u16string> result(kept);
    for (const Candidate& c : candidates) {
        const std::size_t place = placeOfScore[static_cast<std::size_t>(c.points)]++;
        if (place < kept) result[place] = words.CodePage().Decode(c.entry);
    }
    if (result.size() == cut) result.emplace_back();
    return result;
}

}  // namespace morvane
