#pragma once
// The MaxSuggestions setting: read from the settings file and turned into the suggestion
// limit. A value that is not a limit the search accepts is refused, and the user is told
// about it once for each distinct bad value.
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "engine/suggestion_limit.h"

namespace morvane {

inline constexpr wchar_t kOptionsSection[] = L"Options";
inline constexpr wchar_t kMaxSuggestionsKey[] = L"MaxSuggestions";
inline constexpr int kStartupSuggestionLimit = kDefaultSuggestionLimit;  // used at start-up when the value is refused

struct SettingNotice {
    std::wstring text;
    std::wstring title;
    unsigned style = 0;  // a message-box style
};

// What the user is told about a refused value read from the settings file at settingsPath.
SettingNotice BadSuggestionLimitNotice(const std::wstring& settingsPath, const std::wstring& value);

class SuggestionLimitReader {
public:
    using Tell = std::function<void(const SettingNotice&)>;
    explicit SuggestionLimitReader(Tell tell) : tell_(std::move(tell)) {}

    // The limit from [Options] MaxSuggestions (kDefaultSuggestionLimit when the key is absent), or
    // nothing when the value is not a whole number from 0 to 32767 after rounding. A refused
    // value is told once per reader, settings file and value; later reads of it stay quiet.
    std::optional<int> Read(const std::wstring& settingsPath);

private:
    Tell tell_;
    std::set<std::pair<std::wstring, std::wstring>> told_;
};

// The program's reader, for the whole run: refused values are shown in a message box.
std::optional<int> ReadSuggestionLimit(const std::wstring& settingsPath);

}  // namespace morvane
