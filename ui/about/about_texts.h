#pragma once
// The About dialog's fixed texts.

namespace morvane {

inline constexpr wchar_t kAboutCaption[] = L"About Morvane";
inline constexpr wchar_t kAboutTitle[] = L"Morvane";
inline constexpr wchar_t kOkCaption[] = L"OK";
inline constexpr wchar_t kSysInfoCaption[] = L"&System Info...";

// Four lines: the thanks, ending with a colon, and three sources with their addresses.
inline constexpr wchar_t kAboutDescription[] =
    L"Morvane owes thanks to the people and web sites whose published sample code helped in its development:\r\n"
    L"The Notification Area Notebook - https://tray-notebook.example.org\r\n"
    L"The Sounds-Alike Workshop - https://sounds-alike.example.com\r\n"
    L"The Clipboard Recipe Box - https://clipboard-recipes.example.net";

inline constexpr wchar_t kAboutDisclaimer[] =
    L"Warning: Morvane belongs to the Morvane authors, who keep all rights in it; copying or passing "
    L"it on in any form without their permission is not allowed.";

}  // namespace morvane
