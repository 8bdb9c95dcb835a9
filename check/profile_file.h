#pragma once
// Reading one value from a profile file ([Section] headings, key=value lines) the way
// Windows' profile service reads it: names compared case-insensitively, spaces around names
// and values dropped, one pair of matching quotes around a value removed.
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// Nothing when the section or the key is absent.
std::optional<std::u16string> ReadProfileValue(std::u16string_view fileText, std::u16string_view section,
                                               std::u16string_view key);

}  // namespace morvane
