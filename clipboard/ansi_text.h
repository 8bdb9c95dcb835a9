#pragma once
// Conversions between text and bytes of the system's default ANSI code page.
#include <string>
#include <string_view>

namespace morvane {

std::string AnsiFromText(std::wstring_view text);
std::wstring TextFromAnsi(std::string_view bytes);

}  // namespace morvane
