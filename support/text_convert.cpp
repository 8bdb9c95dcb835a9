#include "support/text_convert.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace morvane {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide text is UTF-16 on Windows");

std::u16string ToU16(std::wstring_view text) { return {text.begin(), text.end()}; }

std::wstring ToWide(std::u16string_view text) { return {text.begin(), text.end()}; }

namespace {

int CheckedLength(std::size_t size) {
    if (size > INT_MAX) throw std::length_error("text too long to convert");
    return static_cast<int>(size);
}

}  // namespace

std::string WideToAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = CheckedLength(text.size());
    const int needed = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

std::wstring AnsiToWide(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = CheckedLength(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), needed);
    return text;
}

}  // namespace morvane
