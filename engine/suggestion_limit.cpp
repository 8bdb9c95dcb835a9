#include "suggestion_limit.h"

#include <algorithm>
#include <string>

#include "spelling.h"

namespace morvane {
namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsSpace(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::optional<int> ParseInteger16(std::u16string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';

    // The number is digits x 10^exponent, digits without leading zeros.
    std::string digits;
    long long exponent = 0;
    bool anyDigit = false;
    for (; i < n && IsDigit(text[i]); ++i, anyDigit = true) {
        if (!digits.empty() || text[i] != u'0') digits.push_back(static_cast<char>(text[i]));
    }
    if (i < n && text[i] == u'.') {
        for (++i; i < n && IsDigit(text[i]); ++i, anyDigit = true) {
            if (!digits.empty() || text[i] != u'0') digits.push_back(static_cast<char>(text[i]));
            --exponent;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) negativeExponent = text[i++] == u'-';
        if (i == n || !IsDigit(text[i])) return std::nullopt;
        long long e = 0;
        for (; i < n && IsDigit(text[i]); ++i) e = std::min(e * 10 + (text[i] - u'0'), 1000000LL);
        exponent += negativeExponent ? -e : e;
    }
    while (i < n && IsSpace(text[i])) ++i;
    if (i != n) return std::nullopt;

    // Split into the whole part and the fraction, then round half to even.
    const long long wholeDigits = static_cast<long long>(digits.size()) + exponent;
    if (wholeDigits > 6) return std::nullopt;  // far outside the 16-bit range
    if (wholeDigits < 0) return 0;             // below 0.1 in size: rounds to 0
    const auto wholeLength = static_cast<std::size_t>(wholeDigits);
    long long whole = 0;
    for (std::size_t k = 0; k < wholeLength; ++k) whole = whole * 10 + (k < digits.size() ? digits[k] - '0' : 0);
    const std::string fraction = digits.substr(std::min(wholeLength, digits.size()));
    if (!fraction.empty()) {
        const char first = fraction[0];
        const bool restZero = fraction.find_first_not_of('0', 1) == std::string::npos;
        if (first > '5' || (first == '5' && (!restZero || whole % 2 == 1))) ++whole;
    }
    const long long value = negative ? -whole : whole;
    if (value < -32768 || value > 32767) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> ParseSuggestionLimit(std::u16string_view text) {
    const std::optional<int> value = ParseInteger16(text);
    if (!value || *value < 0 || *value > kMaxSuggestionLimit) return std::nullopt;
    return value;
}

}  // namespace morvane
