// What the comparison with the plain implementation cannot show: the case mapping and code
// page both share, UTF-8 at the edges, reading in pieces, long runs of one first letter, the
// dictionary file's load, the limit read from the settings, and fixed answers.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/char_case.h"
#include "engine/check_list.h"
#include "engine/spelling.h"
#include "engine/suggestion_limit.h"
#include "engine/utf8.h"
#include "engine_fixtures.h"

namespace morvane {
namespace {

using testing::MakeWordList;
using Texts = std::vector<std::u16string>;

TEST(CharCase, MapsEachRangeAtItsEdgesAndLeavesTheGapsAlone) {
    // (upper, lower): both directions. The ends of every range, and the odd ones out.
    const std::pair<char16_t, char16_t> pairs[] = {
        {u'A', u'a'}, {u'Z', u'z'}, {0xC0, 0xE0}, {0xD6, 0xF6}, {0xD8, 0xF8}, {0xDE, 0xFE},
        {0x100, 0x101}, {0x136, 0x137}, {0x139, 0x13A}, {0x147, 0x148}, {0x14A, 0x14B},
        {0x176, 0x177}, {0x178, 0xFF}, {0x179, 0x17A}, {0x17D, 0x17E}, {0x191, 0x192},
        {0x386, 0x3AC}, {0x388, 0x3AD}, {0x38A, 0x3AF}, {0x38C, 0x3CC}, {0x38E, 0x3CD},
        {0x38F, 0x3CE}, {0x391, 0x3B1}, {0x3A1, 0x3C1}, {0x3A3, 0x3C3}, {0x3AB, 0x3CB},
        {0x400, 0x450}, {0x40F, 0x45F}, {0x410, 0x430}, {0x42F, 0x44F}};
    for (const auto& [upper, lower] : pairs) {
        EXPECT_EQ(LowerChar(upper), lower) << std::hex << int{upper};
        EXPECT_EQ(UpperChar(lower), upper) << std::hex << int{lower};
    }
    // One way only: (from, lowered, uppered).
    const std::tuple<char16_t, char16_t, char16_t> oneWay[] = {
        {0x130, u'i', 0x130}, {0x131, 0x131, u'I'}, {0x17F, 0x17F, u'S'}, {0xB5, 0xB5, 0x39C},
        {0x3C2, 0x3C2, 0x3A3}, {0x3A2, 0x3A2, 0x3A2}, {0xD7, 0xD7, 0xD7}, {0xF7, 0xF7, 0xF7},
        {0x138, 0x138, 0x138}, {0x149, 0x149, 0x149}, {0x180, 0x180, 0x180}, {0x3B0, 0x3B0, 0x3B0},
        {0x460, 0x460, 0x460}, {u'@', u'@', u'@'}, {u'[', u'[', u'['}, {u'`', u'`', u'`'}};
    for (const auto& [c, lowered, uppered] : oneWay) {
        EXPECT_EQ(LowerChar(c), lowered) << std::hex << int{c};
        EXPECT_EQ(UpperChar(c), uppered) << std::hex << int{c};
    }
}

TEST(Utf8Test, DecodesEveryLengthReplacesWhatIsNotUtf8AndEncodesBack) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"a\xC2\x80\xC3\xA9\xCE\xBB\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF",
         u"a\u0080\u00E9\u03BB\u20AC\U0001F600\U0010FFFF"},
        {"\x80\xC0\xAF", u"\uFFFD\uFFFD\uFFFD"},                // lone continuation, overlong
        {"\xF5\x80\x80", u"\uFFFD\uFFFD\uFFFD"},                // no such lead byte
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},                // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},                // a surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},     // past U+10FFFF
        {"\xE2\x82x\xC3", u"\uFFFDx\uFFFD"},                   // cut short by a letter, by the end
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(Utf8ToUtf16(bytes), text) << bytes;
    EXPECT_EQ(Utf16ToUtf8(cases[0].second), cases[0].first);
    // Unpaired surrogates, one of them the half of a pair that the view cuts.
    EXPECT_EQ(Utf16ToUtf8(std::u16string_view(u"\xD800x\xDFFF\xD83D\xDE00", 4)), "\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(WordListTest, DecodesWindows1252SplitsAtCrLfOnlyAndFindsWhereAWalkForALetterStops) {
    const WordList list = MakeWordList(std::string("\x80\x81\x8A\x9F\xFF\r\na\rb\nc\r\n"));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ((Texts{list.Entry(0), list.Entry(1), list.Entry(2)}),
              (Texts{u"\u20AC\u0081\u0160\u0178\u00FF", u"a\rb\nc", u""}));
    EXPECT_EQ(MakeWordList(std::string()).Count(), 0);
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
    EXPECT_EQ(list.FirstIndexOfLetter(u'\r'), 2);
    EXPECT_EQ(list.FirstIndexOfLetter(u'a'), 3);
    EXPECT_EQ(list.FirstIndexOfLetter(u'b'), 10204);
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
    EXPECT_EQ(PhoneticKey(u"Pfister"), u"P2369");
    EXPECT_EQ(PhoneticKey(u"recieve"), u"R32");
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

    EXPECT_EQ(CheckWord(u"bda", list, 1).entries, Texts{u"bad"});
    EXPECT_EQ(CheckWord(u"xyz", list, 10).entries, (Texts{u"Word Not Found", u"No Suggestions :("}));
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

TEST(SuggestionLimitTest, ReadsSixteenBitNumbersRoundingHalvesToEvenAndTheSearchTakesZeroToItsLimit) {
    const std::pair<const char16_t*, std::optional<int>> cases[] = {
        {u"25", 25}, {u"12.5", 12}, {u"13.5", 14}, {u"4.5", 4}, {u"0.5", 0}, {u"1.5", 2}, {u"2.50001", 3},
        {u"2.4999", 2}, {u" 7 ", 7}, {u"+8", 8}, {u"-3", -3}, {u"-0.4", 0}, {u"1e2", 100}, {u"1.5E1 ", 15},
        {u".75", 1}, {u"0.0000001", 0}, {u"0010", 10}, {u"32767", 32767}, {u"-32768", -32768},
        {u"32767.4", 32767}, {u"", {}}, {u"  ", {}}, {u"ten", {}}, {u"10a", {}}, {u"1 0", {}},
        {u"32768", {}}, {u"-32769", {}}, {u"32767.5", {}}, {u"1e9", {}}, {u"1e", {}}, {u".", {}},
        {u"-", {}}, {u"99999999999999999999", {}}};
    for (const auto& [text, expected] : cases) {
        const std::string shown(text, text + std::char_traits<char16_t>::length(text));
        EXPECT_EQ(ParseInteger16(text), expected) << "text: " << shown;
        EXPECT_EQ(ParseSuggestionLimit(text), expected < 0 ? std::nullopt : expected) << "text: " << shown;
    }
}

}  // namespace
}  // namespace morvane
