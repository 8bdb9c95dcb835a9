// The web look-up's address: the entry can only ever be the value of "q".
#include <gtest/gtest.h>

#include <utility>

#include "ui/check_window/web_search_address.h"

namespace morvane {
namespace {

TEST(WebSearchAddress, IsHttpsTheSiteThePathAndTheQueryKey) {
    EXPECT_EQ(WebSearchAddress(L"receive"), L"https://www.dictionary.com/search?q=receive");
    EXPECT_EQ(WebSearchAddress(L""), L"https://www.dictionary.com/search?q=");
}

TEST(PercentEncodeQueryValue, KeepsWordsAndEncodesAllThatCouldChangeOrSplitTheAddressAsUtf8) {
    const auto kHighSurrogate = static_cast<wchar_t>(0xD83D);
    const auto kLowSurrogate = static_cast<wchar_t>(0xDE00);
    const std::pair<std::wstring, std::wstring> cases[] = {
        // Words of letters, apostrophes and hyphens stay as they are.
        {L"Paris", L"Paris"}, {L"don't", L"don't"}, {L"co-op", L"co-op"},
        {L"O'Neill-Smith", L"O'Neill-Smith"}, {L"a.b_c~9", L"a.b_c~9"},
        {L"two words", L"two%20words"},
        {L"a&b=c#d%e+f", L"a%26b%3Dc%23d%25e%2Bf"},
        {L"\"x\" /?:@!$,;*()[]", L"%22x%22%20%2F%3F%3A%40%21%24%2C%3B%2A%28%29%5B%5D"},
        {L"\r\n\t", L"%0D%0A%09"},
        {std::wstring(L"a\0b", 3), L"a%00b"},
        {L"caf\u00e9", L"caf%C3%A9"}, {L"\u20ac", L"%E2%82%AC"},
        {L"\U0001F600", L"%F0%9F%98%80"},  // a surrogate pair
        // A lone surrogate becomes the replacement character.
        {std::wstring(1, kHighSurrogate), L"%EF%BF%BD"},
        {std::wstring{kLowSurrogate, L'a'}, L"%EF%BF%BDa"},
        {std::wstring{kHighSurrogate, L'a'}, L"%EF%BF%BDa"}};
    for (const auto& [text, encoded] : cases) EXPECT_EQ(PercentEncodeQueryValue(text), encoded);
}

}  // namespace
}  // namespace morvane
