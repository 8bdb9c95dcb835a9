#pragma once
// UTF-8 <-> UTF-16, for text that crosses into or out of the program as UTF-8 (the
// command line's streams, web addresses).
#include <string>
#include <string_view>

namespace morvane {

// Invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view bytes);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// The same, appended to `out`: for output built up a piece at a time.
void AppendUtf8(std::string& out, std::u16string_view text);

}  // namespace morvane
