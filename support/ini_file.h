#pragma once
// Reading one key of a profile (.ini) file.
#include <string>

namespace morvane {

// The value of `key` in `[section]` of the profile file at `file`, as the platform's profile
// reader gives it, or `defaultValue` when the file, the section or the key is absent. A key
// with an empty value gives the empty text. Values are cut to 2047 characters.
std::wstring ReadIniValue(const std::wstring& section, const std::wstring& key,
                          const std::wstring& defaultValue, const std::wstring& file);

}  // namespace morvane
