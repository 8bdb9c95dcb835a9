#include "clipboard/variant_value.h"

#include <charconv>
#include <cmath>
#include <string>

#include "clipboard/clipboard_errors.h"

namespace morvane {
namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

// Rounds to the nearest integer, halves to the even neighbour, whatever the FPU's mode.
double RoundHalfToEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction > 0.5) return lower + 1;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

}  // namespace

std::wstring VariantValue::Text() const {
    if (const auto* n = std::get_if<std::int64_t>(&value_)) return std::to_wstring(*n);
    if (const auto* x = std::get_if<double>(&value_)) {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, *x);
        return std::wstring(buffer, result.ptr);
    }
    return std::get<std::wstring>(value_);
}

bool VariantValue::IsFiniteOrText() const {
    const auto* x = std::get_if<double>(&value_);
    return x == nullptr || std::isfinite(*x);
}

const VariantValue* VariantArray::Element(std::int64_t i) const {
    if (i < LowerBound || i > UpperBound()) return nullptr;
    return &Values[static_cast<std::size_t>(i - LowerBound)];
}

double NumberFromText(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';

    // Collected as plain ASCII for the standard parser.
    std::string number;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) number += char(text[i++]), ++digits;
    if (i < text.size() && text[i] == L'.') {
        number += '.';
        ++i;
        while (i < text.size() && IsDigit(text[i])) number += char(text[i++]), ++digits;
    }
    if (digits == 0) return 0;

    if (i < text.size() && (text[i] == L'e' || text[i] == L'E' || text[i] == L'd' || text[i] == L'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) exponent += char(text[j++]);
        const std::size_t firstDigit = j;
        while (j < text.size() && IsDigit(text[j])) exponent += char(text[j++]);
        if (j > firstDigit) number += exponent;  // "2e" alone is just 2
    }

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: infinity or zero, by the exponent's sign.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

std::int32_t Int32FromVariant(const VariantValue& value, const wchar_t* source) {
    if (!value.IsFiniteOrText()) throw OverflowError(source);
    const double rounded = RoundHalfToEven(NumberFromText(value.Text()));
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw OverflowError(source);
    return static_cast<std::int32_t>(rounded);
}

}  // namespace morvane
