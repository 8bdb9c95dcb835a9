#pragma once
// UTF-8 at the command line's edges, UTF-16 inside.
#include <string>
#include <string_view>

namespace morvane {

// Invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view bytes);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace morvane
