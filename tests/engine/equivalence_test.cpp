// The fast engine against the plain implementation, on many random lists and typed texts:
// sorted and unsorted lists, duplicates, empty entries, mixed case, bytes above 127,
// entries with spaces or stray CR and LF; misspellings, punctuation, spaces, apostrophes,
// hyphens and non-ASCII text typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "engine/char_case.h"
#include "engine/check_list.h"
#include "engine/spelling.h"
#include "reference_engine.h"
#include "engine_fixtures.h"

namespace morvane {
namespace {

struct ListShape {
    const char* name;
    std::u16string letters;  // few letters give long runs and many shared keys
    bool sorted;
    int size;
    int maxLength = 10;  // of an entry; long ones have phonetic keys of more than 11 digits
};

struct RandomText {
    std::mt19937 rng;

    int Below(std::size_t n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(rng); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename Items>
    auto Pick(const Items& items) { return items[Below(items.size())]; }

    std::u16string Word(std::u16string_view letters, int maxLength) {
        std::u16string word(1 + Below(maxLength), u' ');
        for (char16_t& c : word) {
            c = Pick(letters);
            if (Chance(15)) c = UpperChar(c);
            if (Chance(3)) c = Pick(std::u16string_view(u" '-\u00E9\u00C9\u0160\u0161\u00FF\u0178\u0081\r\n1."));
        }
        return word;
    }

    // A typing slip: a character dropped, doubled, swapped, replaced or added.
    std::u16string Misspell(std::u16string word, std::u16string_view letters) {
        if (word.empty()) return word;
        const auto at = static_cast<std::size_t>(Below(word.size()));
        switch (Below(5)) {
            case 0: word.erase(at, 1); break;
            case 1: word.insert(at, 1, word[at]); break;
            case 2: if (at + 1 < word.size()) std::swap(word[at], word[at + 1]); break;
            case 3: word[at] = Pick(letters); break;
            default: word.insert(at, 1, Pick(letters)); break;
        }
        return word;
    }

    std::u16string Typed(const std::vector<std::u16string>& entries, std::u16string_view letters) {
        const int kind = Below(10);
        std::u16string typed = entries.empty() || kind >= 7 ? Word(letters, 9)
                               : kind < 3                   ? Pick(entries)
                                                            : Misspell(Pick(entries), letters);
        if (Chance(15)) typed.push_back(Pick(std::u16string_view(u"., !\u00E91'")));
        if (Chance(5)) typed.insert(0, u" ");
        if (Chance(3)) typed = u"  ";
        return typed;
    }
};

std::vector<std::u16string> RandomEntries(RandomText& random, const ListShape& shape) {
    std::vector<std::u16string> entries;
    for (int i = 0; i < shape.size; ++i) {
        if (random.Chance(2)) entries.emplace_back();
        else if (random.Chance(5) && !entries.empty()) entries.push_back(random.Pick(entries));
        else entries.push_back(random.Word(shape.letters, shape.maxLength));
    }
    if (shape.sorted) {
        std::ranges::stable_sort(entries, [](const std::u16string& a, const std::u16string& b) {
            return std::ranges::lexicographical_compare(a, b, {}, LowerChar, LowerChar);
        });
    }
    return entries;
}

void PrintTo(const ListShape& shape, std::ostream* out) { *out << shape.name; }

class EquivalenceTest : public ::testing::TestWithParam<ListShape> {};

TEST_P(EquivalenceTest, FastEngineGivesThePlainImplementationsAnswers) {
    const ListShape& shape = GetParam();
    const int limits[] = {0, 1, 2, 3, 10, 40};
    for (int listNumber = 0; listNumber < 12; ++listNumber) {
        RandomText random{std::mt19937(static_cast<unsigned>(1000 * listNumber + shape.size))};
        const std::vector<std::u16string> entries = RandomEntries(random, shape);
        const std::string bytes = testing::JoinedBytes(entries);
        const WordList fast = testing::MakeWordList(bytes);
        const reference::WordList plain = reference::LoadWordList(bytes, AnsiCodePage::Windows1252());

        ASSERT_EQ(fast.Count(), static_cast<std::int64_t>(plain.size()));
        for (int n = 0; n < 150; ++n) {
            const std::u16string typed = random.Typed(plain, shape.letters);
            const std::u16string word = CleanWord(typed);
            SCOPED_TRACE(::testing::Message() << shape.name << " list " << listNumber << " word " << n);
            ASSERT_EQ(word, reference::CleanWord(typed));
            ASSERT_EQ(IsInDictionary(fast, typed), reference::IsInDictionary(plain, typed));
            ASSERT_EQ(IsInDictionary(fast, word), reference::IsInDictionary(plain, word));
            // Suggestions for the typed text itself too: any text, not only screened words.
            for (const std::u16string& query : {word, typed}) {
                const int limit = limits[random.Below(6)];
                ASSERT_EQ(FindSuggestions(fast, query, limit), reference::FindSuggestions(plain, query, limit));
            }
            const int limit = limits[random.Below(6)];
            const CheckResult result = CheckWord(typed, fast, limit);
            const reference::CheckOutcome expected = reference::CheckWord(typed, plain, limit);
            ASSERT_EQ(std::tie(result.blank, result.found, result.entries),
                      std::tie(expected.blank, expected.found, expected.entries));
            if (!plain.empty()) {
                const std::u16string& entry = plain[random.Below(static_cast<int>(plain.size()))];
                ASSERT_DOUBLE_EQ(WordSimilarity(typed, entry), reference::WordSimilarity(typed, entry));
            }
        }
        // After the lookups, which found the starts of entries a few thousand bytes at a time.
        for (std::size_t i = 0; i < plain.size(); ++i) ASSERT_EQ(fast.Entry(static_cast<std::int64_t>(i)), plain[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, EquivalenceTest,
    ::testing::Values(ListShape{"sorted_few_letters", u"abdt", true, 400},
                      ListShape{"unsorted_few_letters", u"abdt", false, 400},
                      ListShape{"sorted_whole_alphabet", u"abcdefghijklmnopqrstuvwxyz'-", true, 2000},
                      ListShape{"unsorted_whole_alphabet", u"abcdefghijklmnopqrstuvwxyz'-", false, 600},
                      ListShape{"sorted_latin1_letters", u"aeb\u00E9\u00E8\u0161s", true, 500},
                      ListShape{"long_words_of_few_consonants", u"bcda", true, 400, 30},
                      ListShape{"tiny", u"ab", false, 3}),
    [](const ::testing::TestParamInfo<ListShape>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace morvane
