// What the comparison with the plain implementation on random lists cannot show: UTF-8's
// replacements, every character through the phonetic key, the code page, reading in pieces,
// long runs of one first letter, the dictionary file's load, the limit read from the
// settings over its whole range, and fixed answers.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/check_list.h"
#include "engine/spelling.h"
#include "engine/suggestion_limit.h"
#include "engine/utf8.h"
#include "engine_fixtures.h"
#include "reference_engine.h"

namespace morvane {
namespace {

using testing::MakeWordList;
using Texts = std::vector<std::u16string>;

// Every code point, and where decoding first gives up, are shown natively against the C
// library; these are the replacements that follow, and unpaired surrogates at a view's end.
TEST(Utf8Test, ReplacesWhatIsNotUtf8AndUnpairedSurrogates) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\x80\xC0\xAF", u"\uFFFD\uFFFD\uFFFD"},                // lone continuation, overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},                // a surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},     // past U+10FFFF
        {"\xE2\x82x\xC3", u"\uFFFDx\uFFFD"},                   // cut short by a letter, by the end
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(Utf8ToUtf16(bytes), text) << bytes;
    // Unpaired surrogates, one of them the half of a pair that the view cuts.
    EXPECT_EQ(Utf16ToUtf8(std::u16string_view(u"\xD800x\xDFFF\xD83D\xDE00", 4)), "\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD");
}

// Every UTF-16 unit as the first letter and in each later place the key looks at: after
// itself, after a letter with a digit, after one without; in a view that a letter with a
// digit follows, which reading past its end would take.
TEST(PhoneticKeyTest, EveryUnitGivesThePlainImplementationsKey) {
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        const auto c = static_cast<char16_t>(unit);
        const std::u16string followed{c, c, u'b', c, u'a', c, u'g'};
        const std::u16string_view word(followed.data(), followed.size() - 1);
        ASSERT_EQ(PhoneticKey(word), reference::PhoneticKey(word)) << std::hex << static_cast<unsigned>(unit);
    }
}

TEST(WordListTest, DecodesWindows1252SplitsAtCrLfOnlyAndFindsWhereAWalkForALetterStops) {
    const WordList list = MakeWordList(std::string("\x80\x81\x8A\x9F\xFF\r\na\rb\nc\r\n\r"));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ((Texts{list.Entry(0), list.Entry(1), list.Entry(2)}),
              (Texts{u"\u20AC\u0081\u0160\u0178\u00FF", u"a\rb\nc", u"\r"}));
    EXPECT_EQ(list.FirstIndexOfLetter(u'\r'), 2);  // a CR alone at the very end is an entry's letter
    EXPECT_TRUE(IsInDictionary(MakeWordList(std::string("solo")), u"SOLO"));

    // Unsorted, with an empty entry and both cases: the first match wins; letters are looked
    // up lower-cased, so 'A' is found nowhere.
    const WordList walk = MakeWordList(
        Texts{u"zoo", u"", u"Apple", u"bee", u"apple", u"\u00C9clair", u"\u00E9t\u00E9", std::u16string(u"\0nul", 4)});
    const std::pair<char16_t, std::int64_t> stops[] = {{u'z', 0}, {u'a', 2},      {u'b', 3}, {u'\u00E9', 5},
                                                       {u'\0', 7}, {u'q', 8}, {u'A', 8}};
    for (const auto& [letter, index] : stops) EXPECT_EQ(walk.FirstIndexOfLetter(letter), index) << int{letter};
}

TEST(WordListTest, LongRunsOfOneFirstLetterAreCountedInFull) {
    // Empty entries first, as a sorted list has them; runs that span many blocks, one of them
    // longer than the 255 blocks the load counts at a time.
    std::vector<std::u16string> entries{u"", u"", u"\rab"};
    for (int i = 0; i < 200; ++i) entries.push_back(u"aa" + std::u16string(static_cast<std::size_t>(i % 7), u'b'));
    entries.push_back(u"Ab");
    entries.insert(entries.end(), 10000, u"ac");
    entries.push_back(u"b");
    const WordList list = MakeWordList(entries);
    EXPECT_EQ(list.Count(), 10205);
    for (const auto& [letter, index] : {std::pair(u'\r', 2), std::pair(u'a', 3), std::pair(u'b', 10204)})
        EXPECT_EQ(list.FirstIndexOfLetter(letter), index) << int{letter};
    EXPECT_EQ((Texts{list.Entry(203), list.Entry(10204)}), (Texts{u"Ab", u"b"}));
    EXPECT_TRUE(IsInDictionary(list, u"B"));
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

TEST(SpellingTest, KnownAnswers) {
    const std::u16string longWord(70000, u'a');
    EXPECT_EQ(CleanWord(longWord + u"."), longWord);
    EXPECT_EQ(CleanWord(longWord + u"1a"), u"");
    EXPECT_EQ(PhoneticKey(u"Pfister"), u"P2369");  // the plain implementation's too: every unit is compared
    EXPECT_DOUBLE_EQ(WordSimilarity(u"recieve", u"receive"), 13.0 / 17);
    EXPECT_DOUBLE_EQ(WordSimilarity(u"ab", u"abbeyboy"), -1.0 / 7);

    const WordList list = MakeWordList(
        Texts{u"abbey", u"bad", u"bead", u"bed", u"bid", u"bud", u"caf\u00E9", u"zoo", u"\u0153uvre", u"\u0161ah"});
    for (const char16_t* word : {u"CAF\u00C9", u"\u0152UVRE", u"\u0160AH"}) EXPECT_TRUE(IsInDictionary(list, word));
    EXPECT_EQ(FindSuggestions(list, u"bda", 10), (Texts{u"bad", u"bed", u"bid", u"bud", u"bead", u""}));
    EXPECT_EQ(FindSuggestions(list, u"bda", 2), (Texts{u"bad", u"bed", u"bid"}));
    EXPECT_THROW(FindSuggestions(list, u"bda", -1), std::out_of_range);
    EXPECT_THROW(FindSuggestions(list, u"bda", kMaxSuggestionLimit + 1), std::out_of_range);
    EXPECT_EQ(FindSuggestions(list, u"bda", kMaxSuggestionLimit).size(), 6u);

    EXPECT_TRUE(IsFixedListText(u"Word Not Found") && IsFixedListText(u"No Suggestions :("));
    EXPECT_FALSE(IsFixedListText(u"word not found"));
}

TEST(DictionaryTest, MissingOrUnreadableFileIsReportedAndKeepsTheLastList) {
    const std::u16string path = u"C:\\Morvane\\Morvane.dictionary";
    testing::FakeHost host;
    Dictionary dictionary;
    auto load = [&](bool missing, std::int64_t count) {
        dictionary.LoadDictionary(path, host);
        EXPECT_EQ(dictionary.DictionaryMissing(), missing);
        EXPECT_EQ(dictionary.Words().Count(), count);
    };
    host.files[path] = "apple\r\nbanana";
    load(false, 2);
    host.files.clear();
    load(true, 2);
    host.unreadable[path] = u"Access is denied.";
    load(true, 2);
    EXPECT_TRUE(IsInDictionary(dictionary.Words(), u"banana"));
    EXPECT_EQ(host.messages,
              (std::vector<testing::ShownMessage>{
                  {u"The .dictionary file is missing.  Please rerun the program installation and select repair to "
                   u"correct this missing file",
                   u"Program functioning completely impaired!", 16},
                  {u"The dictionary file \"" + path + u"\" could not be read: Access is denied.", u"Morvane", 16}}));
    host.unreadable.clear();
    host.files[path] = "";
    load(false, 0);
}

// The text is read from a view that a digit follows, which reading past its end would take.
void ExpectReadAs(const std::string& text, std::optional<int> expected) {
    const std::u16string followed = std::u16string(text.begin(), text.end()) + u'7';
    const std::u16string_view view(followed.data(), text.size());
    EXPECT_EQ(ParseInteger16(view), expected) << "text: " << text;
    EXPECT_EQ(ParseSuggestionLimit(view), expected < 0 ? std::nullopt : expected) << "text: " << text;
}

// Every thousandth near zero, and the halves and their neighbours of every whole number around
// both ends of the 16-bit range, with a fraction and as digits with an exponent, against
// rounding in whole numbers: to the nearest, an exact half to the even one.
TEST(SuggestionLimitTest, ReadsNumbersRoundingHalvesToEvenWithinSixteenBitsAndTheSearchTakesZeroToItsLimit) {
    auto readsAsRounded = [](long long thousandths) {
        const long long size = std::llabs(thousandths), rest = size % 1000;
        const long long whole = size / 1000 + (rest > 500 || (rest == 500 && size / 1000 % 2 == 1));
        const long long value = thousandths < 0 ? -whole : whole;
        const auto expected = value < -32768 || value > 32767 ? std::nullopt : std::optional<int>(value);
        const std::string sign = thousandths < 0 ? "-" : "";
        ExpectReadAs(sign + std::to_string(size / 1000) + "." + std::to_string(1000 + rest).substr(1), expected);
        ExpectReadAs(sign + std::to_string(size) + "e-3", expected);
        return !::testing::Test::HasFailure();
    };
    for (long long thousandths = -3000; thousandths <= 3000; ++thousandths) ASSERT_TRUE(readsAsRounded(thousandths));
    for (long long whole = 32700; whole <= 32800; ++whole) {
        for (int part : {0, 1, 499, 500, 501, 510, 999}) {
            ASSERT_TRUE(readsAsRounded(whole * 1000 + part));
            ASSERT_TRUE(readsAsRounded(-whole * 1000 - part));
        }
    }
    // The forms the settings file may hold, around the number.
    const std::pair<const char*, std::optional<int>> cases[] = {
        {" 7 ", 7}, {"\t+8", 8}, {"1e2", 100}, {"1.5E1 ", 15}, {".75", 1}, {"0.0000001", 0}, {"0010", 10},
        {"2.50001", 3}, {"", {}}, {"  ", {}}, {"ten", {}}, {"10a", {}}, {"1 0", {}}, {"1e9", {}}, {"1e", {}},
        {".", {}}, {"-", {}}, {"99999999999999999999", {}}};
    for (const auto& [text, expected] : cases) ExpectReadAs(text, expected);
}

}  // namespace
}  // namespace morvane
