#pragma once
// The MaxSuggestions setting as text, turned into the suggestion limit.
#include <optional>
#include <string_view>

namespace morvane {

// The limit when the settings name none, and the one a refused value leaves at start-up.
inline constexpr int kDefaultSuggestionLimit = 10;

// The text read as a number the way the settings file's values are read: optional spaces
// around it, an optional sign, digits with an optional fraction after a full stop and an
// optional exponent; rounded to the nearest whole number, an exact half to the even one.
// Nothing when the text is not such a number or the result is outside -32768..32767.
std::optional<int> ParseInteger16(std::u16string_view text);

// A limit the search accepts (0..kMaxSuggestionLimit), or nothing.
std::optional<int> ParseSuggestionLimit(std::u16string_view text);

}  // namespace morvane
