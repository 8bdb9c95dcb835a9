#pragma once
// Text at the Win32 boundary: wide text is UTF-16 (wchar_t is 16-bit on Windows), so it
// converts to and from the engine's std::u16string unit for unit; 8-bit text goes through
// the system's ANSI code page (CP_ACP).
#include <string>
#include <string_view>

namespace morvane {

std::u16string ToU16(std::wstring_view text);
std::wstring ToWide(std::u16string_view text);

// Characters the code page cannot hold become its default character. A text too long for
// the system's conversion (over INT_MAX units) throws std::length_error.
std::string WideToAnsi(std::wstring_view text);
std::wstring AnsiToWide(std::string_view bytes);

}  // namespace morvane
