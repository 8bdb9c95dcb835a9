// The words of a line of text: what a letter is, where a word ends, what is asked about.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "check/text_words.h"
#include "engine/utf8.h"

namespace morvane {
namespace {

TEST(TextWordsTest, LettersAreUnicodesLettersAndCombiningMarksAndEachIsAWordOnItsOwn) {
    std::ifstream file(MORVANE_UNICODE_CATEGORIES, std::ios::binary);
    const std::string categories((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_EQ(categories.size(), 2u * 0x110000) << "the categories of " MORVANE_UNICODE_CATEGORIES;
    for (char32_t c = 0; c < 0x110000; ++c) {
        const bool letter = categories[2 * c] == 'L' || categories[2 * c] == 'M';
        const std::u16string text = c < 0x10000 ? std::u16string(1, static_cast<char16_t>(c))
                                                 : std::u16string{static_cast<char16_t>(0xD7C0 + (c >> 10)),
                                                                  static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
        std::u16string words;
        ForEachWord(text, [&](std::u16string_view word) { words += word; });
        ASSERT_TRUE(IsWordLetter(c) == letter && words == (letter ? text : u""))
            << "U+" << std::hex << static_cast<unsigned>(c) << " is " << categories.substr(2 * c, 2);
    }
}

// The words of the line as "word" when found and "[word]" when not, between bars; found are
// the words of `known`.
std::string CheckedWords(std::u16string_view line) {
    static const std::set<std::u16string_view> known = {u"un", u"known", u"well", u"co-op", u"don't", u"l'abri"};
    std::string out;
    ForEachCheckedWord(
        line, [](std::u16string_view word) { return known.count(word) != 0; },
        [&](std::u16string_view word, bool found) {
            if (!out.empty()) out += '|';
            out += found ? Utf16ToUtf8(word) : "[" + Utf16ToUtf8(word) + "]";
        });
    return out;
}

TEST(TextWordsTest, AWordIsARunOfLettersCheckedWholeThenPartByPart) {
    const struct {
        const char* what;
        std::u16string line;
        std::string words;
    } cases[] = {
        {"accented words whole, never flagged; a combining accent stays in its word", u"un café naïve cafe\u0301s x",
         "un|café|naïve|cafe\u0301s|[x]"},
        {"any script, and letters beyond the first plane", u"λόγος \U0001D400\U0001D401c 日本語 \U0001D400-\U0001D401",
         "λόγος|\U0001D400\U0001D401c|日本語|\U0001D400-\U0001D401"},
        {"emoji, digits, marks and lone surrogates part words", u"ab\U0001F600cd 3d e_f g\xD800h",
         "[ab]|[cd]|[d]|[e]|[f]|[g]|[h]"},
        {"apostrophes and hyphens only between letters", u"'don't' -co-op- a--b x' l'abri l'été",
         "don't|co-op|[a]|[b]|[x]|l'abri|l'été"},
        {"a hyphenated word not found whole comes part by part",
         u"recieve-known well-known wierd-o'clock Rhône-Alpes", "[recieve]|known|well|known|[wierd]|[o'clock]|Rhône-Alpes"},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckedWords(c.line), c.words) << c.what;
    // The line ends where its view does, whatever follows it in memory.
    EXPECT_EQ(CheckedWords(std::u16string_view(u"ab-cd").substr(0, 3)), "[ab]");
    EXPECT_EQ(CheckedWords(std::u16string_view(u"ab\U0001D400").substr(0, 3)), "[ab]");
}

}  // namespace
}  // namespace morvane
