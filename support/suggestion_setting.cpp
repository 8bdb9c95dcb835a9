#include "support/suggestion_setting.h"

#include <windows.h>

#include "engine/spelling.h"
#include "engine/suggestion_limit.h"
#include "support/ini_file.h"
#include "support/text_convert.h"

namespace morvane {
namespace {

// A value as long as the whole read buffer would make the box unreadable.
std::wstring ShortenedForDisplay(const std::wstring& value) {
    constexpr std::size_t kShown = 80;
    return value.size() <= kShown ? value : value.substr(0, kShown) + L"...";
}

void ShowNotice(const SettingNotice& notice) {
    MessageBoxW(nullptr, notice.text.c_str(), notice.title.c_str(), notice.style | MB_TASKMODAL);
}

}  // namespace

SettingNotice BadSuggestionLimitNotice(const std::wstring& settingsPath, const std::wstring& value) {
    SettingNotice notice;
    notice.title = L"Morvane";
    notice.style = MB_ICONWARNING | MB_OK;
    notice.text = L"The setting MaxSuggestions=\"" + ShortenedForDisplay(value) + L"\" in the [Options] section of\r\n" +
                  settingsPath + L"\r\nis not a whole number of suggestions from 0 to " +
                  std::to_wstring(kMaxSuggestionLimit) +
                  L".\r\n\r\nMorvane keeps its previous limit (" + std::to_wstring(kDefaultSuggestionLimit) +
                  L" when it starts) until the value is corrected.";
    return notice;
}

std::optional<int> SuggestionLimitReader::Read(const std::wstring& settingsPath) {
    const std::wstring value = ReadIniValue(kOptionsSection, kMaxSuggestionsKey,
                                            std::to_wstring(kDefaultSuggestionLimit), settingsPath);
    const std::optional<int> limit = ParseSuggestionLimit(ToU16(value));
    // Noted before telling: the message box runs a message loop in which another read of the
    // same value may happen, and it must not open a second box.
    if (!limit && told_.emplace(settingsPath, value).second && tell_) tell_(BadSuggestionLimitNotice(settingsPath, value));
    return limit;
}

std::optional<int> ReadSuggestionLimit(const std::wstring& settingsPath) {
    static SuggestionLimitReader reader(ShowNotice);
    return reader.Read(settingsPath);
}

}  // namespace morvane
