#pragma once
// Copy: the check window's Copy button puts the list's current text on the clipboard.
#include <string>

namespace morvane {

// Replaces the clipboard's content with listText as ANSI and UTF-16 text. A text that is
// empty once leading and trailing spaces are trimmed leaves the clipboard untouched.
void CopyListTextToClipboard(const std::wstring& listText);

}  // namespace morvane
