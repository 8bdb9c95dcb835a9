#pragma once
// The web dictionary's search address for a list entry.
#include <string>
#include <string_view>

namespace morvane {

// A dictionary site that answers "/search?q=<word>".
inline constexpr wchar_t kWebDictionaryHost[] = L"www.dictionary.com";

// The text as a URL query value: UTF-8, with every byte other than the letters, digits,
// "-", ".", "_", "~" and the apostrophe written as "%XX" (upper-case hexadecimal). A lone
// surrogate becomes U+FFFD. Spaces, "&", "#", "%", quotes and the like can thus neither
// change the address nor split it.
std::wstring PercentEncodeQueryValue(std::wstring_view text);

// "https://" + host + "/search?q=" + the encoded entry.
std::wstring WebSearchAddress(std::wstring_view entry);

}  // namespace morvane
