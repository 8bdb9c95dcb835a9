#include "ui/check_window/web_search_address.h"

#include <string>

namespace morvane {
namespace {

bool StaysAsItIs(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
           c == U'-' || c == U'.' || c == U'_' || c == U'~' || c == U'\'';
}

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The code point at text[i], moving i past it.
char32_t NextCodePoint(std::wstring_view text, std::size_t& i) {
    const wchar_t c = text[i++];
    if (IsHighSurrogate(c) && i < text.size() && IsLowSurrogate(text[i])) {
        const wchar_t low = text[i++];
        return 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) +
               (static_cast<char32_t>(low) - 0xDC00);
    }
    if (IsHighSurrogate(c) || IsLowSurrogate(c)) return 0xFFFD;
    return static_cast<char32_t>(c);
}

std::string Utf8Bytes(char32_t c) {
    std::string bytes;
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0 | (c >> 6));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes += static_cast<char>(0xE0 | (c >> 12));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (c >> 18));
        bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
    return bytes;
}

}  // namespace

std::wstring PercentEncodeQueryValue(std::wstring_view text) {
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring encoded;
    encoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCodePoint(text, i);
        if (StaysAsItIs(c)) {
            encoded += static_cast<wchar_t>(c);
            continue;
        }
        for (const char byte : Utf8Bytes(c)) {
            const auto value = static_cast<unsigned char>(byte);
            encoded += L'%';
            encoded += kHex[value >> 4];
            encoded += kHex[value & 0x0F];
        }
    }
    return encoded;
}

std::wstring WebSearchAddress(std::wstring_view entry) {
    return std::wstring(L"https://") + kWebDictionaryHost + L"/search?q=" +
           PercentEncodeQueryValue(entry);
}

}  // namespace morvane
