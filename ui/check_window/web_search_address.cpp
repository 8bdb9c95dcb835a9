#include "ui/check_window/web_search_address.h"

#include <string>

#include "engine/utf8.h"
#include "support/text_convert.h"

namespace morvane {
namespace {

bool StaysAsItIs(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
           c == U'-' || c == U'.' || c == U'_' || c == U'~' || c == U'\'';
}

}  // namespace

std::wstring PercentEncodeQueryValue(std::wstring_view text) {
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring encoded;
    encoded.reserve(text.size());
    // Every character outside the few that stay goes as the percent-encoded bytes of its UTF-8
    // form (an unpaired surrogate as U+FFFD); those that stay are ASCII, one byte each.
    for (const char byte : Utf16ToUtf8(ToU16(text))) {
        const auto value = static_cast<unsigned char>(byte);
        if (StaysAsItIs(value)) {
            encoded += static_cast<wchar_t>(value);
            continue;
        }
        encoded += L'%';
        encoded += kHex[value >> 4];
        encoded += kHex[value & 0x0F];
    }
    return encoded;
}

std::wstring WebSearchAddress(std::wstring_view entry) {
    return std::wstring(L"https://") + kWebDictionaryHost + L"/search?q=" +
           PercentEncodeQueryValue(entry);
}

}  // namespace morvane
