#pragma once
// Variant-like values for lists of format numbers: a number or a text, read as a number
// through its text form, the way a caller's loosely typed list is meant to be read.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace morvane {

class VariantValue {
public:
    template <typename Integer>
        requires(std::is_integral_v<Integer> && !std::is_same_v<Integer, bool> &&
                 !std::is_same_v<Integer, wchar_t>)
    VariantValue(Integer n) : value_(static_cast<std::int64_t>(n)) {}
    VariantValue(double x) : value_(x) {}
    VariantValue(std::wstring text) : value_(std::move(text)) {}
    VariantValue(const wchar_t* text) : value_(std::wstring(text ? text : L"")) {}

    // The value as text: integers in decimal, fractions in their shortest exact form.
    std::wstring Text() const;
    // False only for a number that is infinite or not a number at all.
    bool IsFiniteOrText() const;

private:
    std::variant<std::int64_t, double, std::wstring> value_;
};

// An array of values with its own lower bound, as a caller may build one; a list written
// as { ... } starts at 0.
struct VariantArray {
    std::int32_t LowerBound = 0;
    std::vector<VariantValue> Values;

    VariantArray() = default;
    VariantArray(std::initializer_list<VariantValue> values) : Values(values) {}
    VariantArray(std::int32_t lowerBound, std::vector<VariantValue> values)
        : LowerBound(lowerBound), Values(std::move(values)) {}

    std::int64_t UpperBound() const { return std::int64_t{LowerBound} + std::int64_t(Values.size()) - 1; }
    // The element at index i (between LowerBound and UpperBound), or null when there is none.
    const VariantValue* Element(std::int64_t i) const;
};

// Reads a text as a number: leading blanks skipped, then an optional sign, digits, an
// optional fraction and exponent; a text that does not begin with a number reads as 0.
double NumberFromText(std::wstring_view text);

// The 32-bit integer a value stands for: read through its text form and rounded to the
// nearest integer, halves to the even neighbour. Throws OverflowError (with the given
// source) when the result does not fit in 32 bits.
std::int32_t Int32FromVariant(const VariantValue& value, const wchar_t* source);

}  // namespace morvane
