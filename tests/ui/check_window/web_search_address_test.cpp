// The web look-up's address: the entry can only ever be the value of "q".
#include <gtest/gtest.h>

#include "ui/check_window/web_search_address.h"

namespace morvane {
namespace {

TEST(WebSearchAddress, IsHttpsTheSiteThePathAndTheQueryKey) {
    EXPECT_EQ(WebSearchAddress(L"receive"), L"https://www.dictionary.com/search?q=receive");
    EXPECT_EQ(WebSearchAddress(L""), L"https://www.dictionary.com/search?q=");
}

TEST(PercentEncodeQueryValue, LeavesWordsOfLettersApostrophesAndHyphensAsTheyAre) {
    for (const wchar_t* word : {L"Paris", L"don't", L"co-op", L"O'Neill-Smith", L"a.b_c~9"}) {
        EXPECT_EQ(PercentEncodeQueryValue(word), word);
    }
}

TEST(PercentEncodeQueryValue, EncodesEverythingThatCouldChangeOrSplitTheAddress) {
    EXPECT_EQ(PercentEncodeQueryValue(L"two words"), L"two%20words");
    EXPECT_EQ(PercentEncodeQueryValue(L"a&b=c#d%e+f"), L"a%26b%3Dc%23d%25e%2Bf");
    EXPECT_EQ(PercentEncodeQueryValue(L"\"x\" /?:@!$,;*()[]"),
              L"%22x%22%20%2F%3F%3A%40%21%24%2C%3B%2A%28%29%5B%5D");
    EXPECT_EQ(PercentEncodeQueryValue(L"\r\n\t"), L"%0D%0A%09");
    EXPECT_EQ(PercentEncodeQueryValue(std::wstring(L"a\0b", 3)), L"a%00b");
}

TEST(PercentEncodeQueryValue, WritesOtherCharactersAsUtf8) {
    EXPECT_EQ(PercentEncodeQueryValue(L"caf\u00e9"), L"caf%C3%A9");
    EXPECT_EQ(PercentEncodeQueryValue(L"\u20ac"), L"%E2%82%AC");
    EXPECT_EQ(PercentEncodeQueryValue(L"\U0001F600"), L"%F0%9F%98%80");  // a surrogate pair
}

TEST(PercentEncodeQueryValue, TurnsLoneSurrogatesIntoTheReplacementCharacter) {
    EXPECT_EQ(PercentEncodeQueryValue(std::wstring(1, static_cast<wchar_t>(0xD83D))), L"%EF%BF%BD");
    EXPECT_EQ(PercentEncodeQueryValue(std::wstring{static_cast<wchar_t>(0xDE00), L'a'}),
              L"%EF%BF%BDa");
    EXPECT_EQ(PercentEncodeQueryValue(std::wstring{static_cast<wchar_t>(0xD83D), L'a'}),
              L"%EF%BF%BDa");
}

}  // namespace
}  // namespace morvane
