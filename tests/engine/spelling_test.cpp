// The engine's documented behaviour on small, hand-made lists.
#include <gtest/gtest.h>

#include "engine/check_list.h"
#include "engine/spelling.h"
#include "test_lists.h"

namespace morvane {
namespace {

using testing::MakeWordList;
using Texts = std::vector<std::u16string>;

TEST(WordListTest, SplitsAtCrLfOnlyAndKeepsEveryCharacter) {
    const WordList trailing = MakeWordList(std::string("apple\r\nbanana\r\n"));
    ASSERT_EQ(trailing.Count(), 3);
    EXPECT_EQ(trailing.Entry(0), u"apple");
    EXPECT_EQ(trailing.Entry(1), u"banana");
    EXPECT_EQ(trailing.Entry(2), u"");

    const WordList lfOnly = MakeWordList(std::string("apple\nbanana\ncherry"));
    ASSERT_EQ(lfOnly.Count(), 1);
    EXPECT_EQ(lfOnly.Entry(0), u"apple\nbanana\ncherry");

    const WordList strayCr = MakeWordList(std::string("a\rb\r\r\nc \r\n\r\n\xE9t\xE9"));
    ASSERT_EQ(strayCr.Count(), 4);
    EXPECT_EQ(strayCr.Entry(0), u"a\rb\r");
    EXPECT_EQ(strayCr.Entry(1), u"c ");
    EXPECT_EQ(strayCr.Entry(2), u"");
    EXPECT_EQ(strayCr.Entry(3), u"\u00E9t\u00E9");

    EXPECT_EQ(MakeWordList(std::string()).Count(), 0);
    EXPECT_EQ(MakeWordList(std::string("\r\n")).Count(), 2);
}

TEST(WordListTest, DecodesWindows1252IncludingItsUndefinedBytes) {
    const WordList list = MakeWordList(std::string("\x80\x81\x8A\x9F\xFF"));
    EXPECT_EQ(list.Entry(0), u"\u20AC\u0081\u0160\u0178\u00FF");
}

TEST(WordListTest, FirstIndexOfLetterIsWhereAWalkFromTheStartStops) {
    // Unsorted, with an empty entry and both cases: the first match wins.
    const WordList list = MakeWordList(Texts{u"zoo", u"", u"Apple", u"bee", u"apple", u"\u00C9clair", u"\u00E9t\u00E9"});
    EXPECT_EQ(list.FirstIndexOfLetter(u'z'), 0);
    EXPECT_EQ(list.FirstIndexOfLetter(u'a'), 2);
    EXPECT_EQ(list.FirstIndexOfLetter(u'b'), 3);
    EXPECT_EQ(list.FirstIndexOfLetter(u'\u00E9'), 5);
    EXPECT_EQ(list.FirstIndexOfLetter(u'q'), list.Count());
    EXPECT_EQ(list.FirstIndexOfLetter(u'A'), list.Count());  // letters are looked up lower-cased
}

TEST(WordListTest, FirstIndexOfLetterAfterLeadingEmptyEntriesAndLongRuns) {
    // Empty entries first, as a sorted list has them; a run long enough to span many blocks.
    std::vector<std::u16string> entries{u"", u"", u"\rab"};
    for (int i = 0; i < 200; ++i) entries.push_back(u"aa" + std::u16string(static_cast<std::size_t>(i % 7), u'b'));
    entries.push_back(u"Ab");
    for (int i = 0; i < 200; ++i) entries.push_back(u"ac");
    entries.push_back(u"b");
    const WordList list = MakeWordList(entries);
    EXPECT_EQ(list.FirstIndexOfLetter(u'\r'), 2);
    EXPECT_EQ(list.FirstIndexOfLetter(u'a'), 3);
    EXPECT_EQ(list.FirstIndexOfLetter(u'b'), 404);
    EXPECT_EQ(list.Count(), 405);
    EXPECT_EQ(list.Entry(203), u"Ab");
}

TEST(WordListTest, BuildingWhileReadingGivesTheSameList) {
    // A list read in pieces of every size, from one byte up, is the list read in one go.
    std::vector<std::u16string> entries{u"", u"\r", u"Ab", u"ab"};
    for (int i = 0; i < 60; ++i) entries.push_back(std::u16string(1, static_cast<char16_t>(u'a' + i % 5)) + u"x\r\n\ry");
    entries.insert(entries.end(), {u"", u"\u00E9t\u00E9", u"z", u""});
    const std::string bytes = testing::JoinedBytes(entries);
    const WordList whole = MakeWordList(bytes);
    for (std::size_t piece = 1; piece <= bytes.size(); piece += piece < 40 ? 1 : 37) {
        // Bytes not read yet are CR LF pairs, which a scan that looked ahead would count.
        FileBytes file{std::make_unique<char[]>(bytes.size()), bytes.size()};
        for (std::size_t i = 0; i < bytes.size(); ++i) file.data[i] = i % 2 ? '\n' : '\r';
        WordListBuilder builder;
        for (std::size_t read = piece; read < bytes.size(); read += piece) {
            std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(read - piece), bytes.begin() + static_cast<std::ptrdiff_t>(read),
                      file.data.get() + (read - piece));
            builder.Scan(file.data.get(), read);
        }
        std::copy(bytes.begin(), bytes.end(), file.data.get());
        const WordList pieces = builder.Finish(std::move(file), AnsiCodePage::Windows1252());
        ASSERT_EQ(pieces.Count(), whole.Count()) << "pieces of " << piece;
        for (char16_t letter : {u'\r', u'a', u'b', u'e', u'\u00E9', u'z', u'q'}) {
            ASSERT_EQ(pieces.FirstIndexOfLetter(letter), whole.FirstIndexOfLetter(letter)) << "pieces of " << piece;
        }
        ASSERT_EQ(FindSuggestions(pieces, u"ax", 5), FindSuggestions(whole, u"ax", 5));
    }
}

TEST(CleanWordTest, ForgivesOnlyOneStrayLastCharacter) {
    EXPECT_EQ(CleanWord(u"hello!"), u"hello");
    EXPECT_EQ(CleanWord(u"hello!!"), u"");
    EXPECT_EQ(CleanWord(u"don't"), u"don't");
    EXPECT_EQ(CleanWord(u"co-op"), u"co-op");
    EXPECT_EQ(CleanWord(u"hel1o"), u"");
    EXPECT_EQ(CleanWord(u" hello"), u"");
    EXPECT_EQ(CleanWord(u"hello "), u"hello");
    EXPECT_EQ(CleanWord(u"hello  "), u"");
    EXPECT_EQ(CleanWord(u"!"), u"");
    EXPECT_EQ(CleanWord(u"a!"), u"a");
    EXPECT_EQ(CleanWord(u"!a"), u"");
    EXPECT_EQ(CleanWord(u""), u"");
    EXPECT_EQ(CleanWord(u"caf\u00E9"), u"caf");
    EXPECT_EQ(CleanWord(u"\u00E9t\u00E9"), u"");
}

TEST(CleanWordTest, HasNoLengthLimit) {
    const std::u16string longWord(70000, u'a');
    EXPECT_EQ(CleanWord(longWord + u"."), longWord);
    EXPECT_EQ(CleanWord(longWord + u"1a"), u"");
}

TEST(IsInDictionaryTest, IgnoresCaseButNotSpaces) {
    const WordList list = MakeWordList(Texts{u"apple", u"cat ", u"Paris", u"zoo"});
    EXPECT_TRUE(IsInDictionary(list, u"PARIS"));
    EXPECT_TRUE(IsInDictionary(list, u"paris"));
    EXPECT_TRUE(IsInDictionary(list, u"ApPlE"));
    EXPECT_FALSE(IsInDictionary(list, u"zz"));
    EXPECT_FALSE(IsInDictionary(list, u"cat"));
    EXPECT_TRUE(IsInDictionary(list, u"cat "));
    EXPECT_TRUE(IsInDictionary(list, u""));
}

TEST(IsInDictionaryTest, EmptyListFindsOnlyTheEmptyWord) {
    const WordList empty = MakeWordList(std::string());
    EXPECT_TRUE(IsInDictionary(empty, u""));
    EXPECT_FALSE(IsInDictionary(empty, u"a"));
    EXPECT_FALSE(IsInDictionary(WordList(), u"a"));
}

TEST(IsInDictionaryTest, ComparesNonAsciiLettersCaseInsensitively) {
    const WordList list = MakeWordList(Texts{u"caf\u00E9", u"\u0153uvre", u"\u0161ahovnica"});
    EXPECT_TRUE(IsInDictionary(list, u"CAF\u00C9"));
    EXPECT_TRUE(IsInDictionary(list, u"\u0152UVRE"));
    EXPECT_TRUE(IsInDictionary(list, u"\u0160ahovnica"));
}

TEST(PhoneticKeyTest, CodesConsonantGroupsAfterTheFirstLetter) {
    EXPECT_EQ(PhoneticKey(u"robert"), u"R196");
    EXPECT_EQ(PhoneticKey(u"Robert"), u"R196");
    EXPECT_EQ(PhoneticKey(u"Pfister"), u"P2369");
    EXPECT_EQ(PhoneticKey(u"Ashcraft"), u"A3926");
    EXPECT_EQ(PhoneticKey(u"hello"), u"H7");
    EXPECT_EQ(PhoneticKey(u"helo"), u"H7");
    EXPECT_EQ(PhoneticKey(u"receive"), u"R32");
    EXPECT_EQ(PhoneticKey(u"recieve"), u"R32");
    EXPECT_EQ(PhoneticKey(u"Lilly"), u"L7");
    EXPECT_EQ(PhoneticKey(u"co-op"), u"C1");
    EXPECT_EQ(PhoneticKey(u"bp"), u"B1");
    EXPECT_EQ(PhoneticKey(u"Tttt"), u"T6");
    EXPECT_EQ(PhoneticKey(u"Bobby"), u"B1");
    EXPECT_EQ(PhoneticKey(u"a"), u"A");
    EXPECT_EQ(PhoneticKey(u""), u"");
    EXPECT_EQ(PhoneticKey(u"'tis"), u"'63");
    // A digit that begins a word counts as the key's last character.
    EXPECT_EQ(PhoneticKey(u"3cs"), u"3");
}

TEST(WordSimilarityTest, ScoresAgreementsFromBothEnds) {
    EXPECT_DOUBLE_EQ(WordSimilarity(u"hello", u"hello"), 1.0);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"HeLLo", u"hello"), 1.0);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"helo", u"hello"), 7.0 / 11);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"hello", u"helo"), 7.0 / 13);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"recieve", u"receive"), 13.0 / 17);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"teh", u"the"), 5.0 / 9);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"form", u"from"), 7.0 / 11);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"abc", u"abcde"), 4.0 / 9);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"abcde", u"abc"), 4.0 / 13);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"ab", u"abbeyboy"), -1.0 / 7);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"", u"abc"), 0.0);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"", u"ab"), 1.0 / 3);
}

class FindSuggestionsTest : public ::testing::Test {
protected:
    const WordList list = MakeWordList(
        Texts{u"abbey", u"able", u"about", u"apple", u"bad", u"bead", u"bed", u"bid", u"bud", u"Paris", u"zoo"});
};

TEST_F(FindSuggestionsTest, RanksTheRunsCandidatesAndKeepsListOrderForTies) {
    EXPECT_EQ(FindSuggestions(list, u"bda", 10), (Texts{u"bad", u"bed", u"bid", u"bud", u"bead", u""}));
    EXPECT_EQ(FindSuggestions(list, u"bda", 2), (Texts{u"bad", u"bed", u"bid"}));
    EXPECT_EQ(FindSuggestions(list, u"bda", 0), (Texts{u"bad"}));
    EXPECT_EQ(FindSuggestions(list, u"bda", 5), (Texts{u"bad", u"bed", u"bid", u"bud", u"bead", u""}));
    EXPECT_EQ(FindSuggestions(list, u"bda", 4), (Texts{u"bad", u"bed", u"bid", u"bud", u"bead"}));
}

TEST_F(FindSuggestionsTest, FindsNothingOutsideTheFirstLetterRun) {
    EXPECT_EQ(FindSuggestions(list, u"qx", 10), (Texts{u""}));
    EXPECT_EQ(FindSuggestions(list, u"paris", 10), (Texts{u"Paris", u""}));
    EXPECT_EQ(FindSuggestions(MakeWordList(Texts{u"cat"}), u"kat", 10), (Texts{u""}));
}

TEST_F(FindSuggestionsTest, OffersDuplicatesAndLeavesOutScoresOfZeroOrLess) {
    const WordList dupes = MakeWordList(Texts{u"bed", u"bed", u"bid"});
    EXPECT_EQ(FindSuggestions(dupes, u"bda", 10), (Texts{u"bed", u"bed", u"bid", u""}));
    // "ab" against "abbeyboy" scores -1/7, "abbey" 2/7, "abb" 5/7: all share the key A1.
    const WordList far = MakeWordList(Texts{u"abb", u"abbey", u"abbeyboy"});
    EXPECT_EQ(FindSuggestions(far, u"ab", 10), (Texts{u"abb", u"abbey", u""}));
    EXPECT_EQ(FindSuggestions(MakeWordList(Texts{u"abbeyboy"}), u"ab", 10), (Texts{u""}));
}

TEST_F(FindSuggestionsTest, RefusesLimitsOutsideTheSearchsRange) {
    EXPECT_THROW(FindSuggestions(list, u"bda", -1), std::out_of_range);
    EXPECT_THROW(FindSuggestions(list, u"bda", kMaxSuggestionLimit + 1), std::out_of_range);
    EXPECT_EQ(FindSuggestions(list, u"bda", kMaxSuggestionLimit).size(), 6u);
}

TEST(CheckWordTest, ListsTheTypedTextTheSuggestionsOrTheFixedTexts) {
    const WordList list = MakeWordList(Texts{u"bad", u"bed", u"hello", u"two"});
    EXPECT_TRUE(CheckWord(u"   ", list, 10).blank);
    EXPECT_TRUE(CheckWord(u"", list, 10).blank);
    EXPECT_EQ(CheckWord(u"Hello", list, 10).entries, Texts{u"Hello"});
    EXPECT_EQ(CheckWord(u"hello!", list, 10).entries, Texts{u"hello!"});
    EXPECT_EQ(CheckWord(u"two words", list, 10).entries, Texts{u"two words"});
    EXPECT_TRUE(CheckWord(u"two words", list, 10).found);

    const CheckResult misspelt = CheckWord(u"bda", list, 10);
    EXPECT_FALSE(misspelt.found);
    EXPECT_EQ(misspelt.entries, (Texts{u"bad", u"bed"}));
    EXPECT_EQ(CheckWord(u"bda", list, 1).entries, Texts{u"bad"});
    EXPECT_EQ(CheckWord(u"bda", list, 0).entries, (Texts{kWordNotFound, kNoSuggestions}));
    EXPECT_EQ(CheckWord(u"xyz", list, 10).entries, (Texts{u"Word Not Found", u"No Suggestions :("}));
}

TEST(CheckWordTest, KnowsItsFixedTexts) {
    EXPECT_TRUE(IsFixedListText(u"Word Not Found"));
    EXPECT_TRUE(IsFixedListText(u"No Suggestions :("));
    EXPECT_FALSE(IsFixedListText(u"word not found"));
    EXPECT_FALSE(IsFixedListText(u""));
}

}  // namespace
}  // namespace morvane
