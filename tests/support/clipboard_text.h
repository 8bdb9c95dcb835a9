#pragma once
// The clipboard's UTF-16 text read with plain system calls, not through the program's library.
#include <windows.h>

#include <cwchar>
#include <stdexcept>
#include <string>

namespace morvane::test {

// CF_UNICODETEXT up to its first zero. The system's clipboard manager may hold the clipboard
// for a moment after a change: opening is retried for five seconds before it is told busy.
inline std::wstring RawUnicodeText() {
    for (int attempt = 0; !OpenClipboard(nullptr); ++attempt, Sleep(10)) {
        if (attempt == 500) throw std::runtime_error("the clipboard stayed busy");
    }
    std::wstring text;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (const auto* units = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
        text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

}  // namespace morvane::test
