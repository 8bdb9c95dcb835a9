#include "reference_engine.h"

#include <cstddef>

#include "engine/char_case.h"

namespace morvane::reference {
namespace {

std::u16string Mapped(std::u16string_view s, char16_t (*map)(char16_t)) {
    std::u16string out(s);
    for (char16_t& c : out) c = map(c);
    return out;
}
std::u16string LCase(std::u16string_view s) { return Mapped(s, LowerChar); }
std::u16string UCase(std::u16string_view s) { return Mapped(s, UpperChar); }

// The one-character text at position i (from 1), as the algorithms index words.
std::u16string Mid(std::u16string_view s, std::ptrdiff_t i) { return std::u16string(s.substr(i - 1, 1)); }

std::u16string DigitOf(const std::u16string& upperChar) {
    static const std::u16string groups[9] = {u"BP", u"FV", u"CKS", u"GJ", u"QXZ", u"DT", u"L", u"MN", u"R"};
    for (int g = 0; g < 9; ++g)
        if (groups[g].find(upperChar) != std::u16string::npos) return std::u16string(1, static_cast<char16_t>(u'1' + g));
    return u"";
}

}  // namespace

WordList LoadWordList(std::string_view fileBytes, const AnsiCodePage& codePage) {
    const std::u16string text = codePage.Decode(fileBytes);
    WordList pieces;
    if (text.empty()) return pieces;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(u"\r\n", start)) != std::u16string::npos; start = at + 2)
        pieces.push_back(text.substr(start, at - start));
    pieces.push_back(text.substr(start));
    return pieces;
}

std::u16string CleanWord(std::u16string_view word) {
    static const std::u16string alphabet = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ'-";
    const auto n = static_cast<std::ptrdiff_t>(word.size());
    std::u16string result;
    for (std::ptrdiff_t i = 1; i <= n; ++i) {
        const std::u16string c = Mid(word, i);
        if (alphabet.find(c) != std::u16string::npos) result += c;
        else if (i < n) return u"";
        else break;
    }
    return result;
}

bool IsInDictionary(const WordList& words, std::u16string_view word) {
    if (word.empty()) return true;
    std::ptrdiff_t low = 0;
    std::ptrdiff_t high = static_cast<std::ptrdiff_t>(words.size()) - 1;
    while (low <= high) {
        const std::ptrdiff_t mid = (low + high) / 2;
        if (LCase(words[mid]) == LCase(word)) return true;
        if (LCase(words[mid]) < LCase(word)) low = mid + 1;
        else high = mid - 1;
    }
    return false;
}

std::u16string PhoneticKey(std::u16string_view word) {
    std::u16string key = UCase(word.substr(0, 1));
    for (std::ptrdiff_t i = 2; i <= static_cast<std::ptrdiff_t>(word.size()); ++i) {
        const std::u16string digit = DigitOf(UCase(Mid(word, i)));
        if (digit != key.substr(key.size() - 1)) key += digit;
    }
    return key;
}

double WordSimilarity(std::u16string_view a, std::u16string_view b) {
    const auto la = static_cast<std::ptrdiff_t>(a.size());
    const auto lb = static_cast<std::ptrdiff_t>(b.size());
    std::ptrdiff_t score = 3 - (la > lb ? la - lb : lb - la);
    for (std::ptrdiff_t i = 1; i <= la && i <= lb; ++i) {
        if (LCase(Mid(a, i)) == LCase(Mid(b, i))) score += 1;
        if (LCase(Mid(a, la - i + 1)) == LCase(Mid(b, lb - i + 1))) score += 1;
    }
    return static_cast<double>(score) / static_cast<double>(2 * la + 3);
}

std::vector<std::u16string> FindSuggestions(const WordList& words, std::u16string_view word, int maxSuggestionCount) {
    if (word.empty()) return {u""};
    const std::u16string key = PhoneticKey(word);
    const std::u16string f = LCase(word.substr(0, 1));
    const auto n = static_cast<std::ptrdiff_t>(words.size());
    auto firstLetterIs = [&](std::ptrdiff_t i) { return !words[i].empty() && LCase(words[i].substr(0, 1)) == f; };

    std::ptrdiff_t i = 0;
    while (i < n && !firstLetterIs(i)) ++i;

    std::vector<std::u16string> candidates;
    for (; i < n && firstLetterIs(i); ++i)
        if (PhoneticKey(words[i]) == key) candidates.push_back(words[i]);

    // The ranking: count + 1 slots, filled from the back by insertion. An unset score is 0.
    const auto count = static_cast<std::ptrdiff_t>(candidates.size());
    std::vector<std::u16string> texts(count + 1);
    std::vector<double> scores(count + 1, 0.0);
    std::ptrdiff_t positive = 0;
    for (const std::u16string& c : candidates) {
        const double s = WordSimilarity(word, c);
        if (s > 0) ++positive;
        for (std::ptrdiff_t j = count; j >= 0 && s > scores[j]; --j) {
            if (j < count) {
                texts[j + 1] = texts[j];
                scores[j + 1] = scores[j];
            }
            texts[j] = c;
            scores[j] = s;
        }
    }

    const std::ptrdiff_t u = positive <= maxSuggestionCount ? positive : maxSuggestionCount;
    return std::vector<std::u16string>(texts.begin(), texts.begin() + u + 1);
}

CheckOutcome CheckWord(std::u16string_view typed, const WordList& words, int maxSuggestionCount) {
    CheckOutcome outcome;
    if (typed.find_first_not_of(u' ') == std::u16string_view::npos) {
        outcome.blank = true;
        return outcome;
    }
    const std::u16string w = CleanWord(typed);
    if (IsInDictionary(words, w)) {
        outcome.entries.emplace_back(typed);
        return outcome;
    }
    outcome.found = false;
    const std::vector<std::u16string> r = FindSuggestions(words, w, maxSuggestionCount);
    const auto u = static_cast<std::ptrdiff_t>(r.size()) - 1;
    if (u == 0) outcome.entries = {u"Word Not Found", u"No Suggestions :("};
    for (std::ptrdiff_t k = 0; k <= u - 1; ++k) outcome.entries.push_back(r[k]);
    return outcome;
}

}  // namespace morvane::reference
