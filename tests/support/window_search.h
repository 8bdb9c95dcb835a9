#pragma once
// Windows of this process or of a program the test started, found and read as a user sees them.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

namespace morvane::testing {

inline constexpr wchar_t kDialogClass[] = L"#32770";  // dialogs and message boxes
inline constexpr int kMessageBoxTextId = 0xFFFF;      // the static control holding a box's text

// The window's text, read by a message, so that a control of another process answers too.
inline std::wstring WindowText(HWND window) {
    wchar_t text[4096];
    const LRESULT length = SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, static_cast<std::size_t>(std::max<LRESULT>(0, length)));
}

inline std::wstring ClassName(HWND window) {
    wchar_t name[256];
    return std::wstring(name, static_cast<std::size_t>(GetClassNameW(window, name, 256)));
}

// The first top-level window of the process that is `wanted`.
inline HWND FindWindowOf(DWORD processId, const std::function<bool(HWND)>& wanted) {
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && wanted(window)) return window;
    }
    return nullptr;
}

// A visible top-level window of the process with this class (nullptr: any) and caption, and,
// unless childId is 0, a child with that identifier.
inline HWND FindShownWindow(DWORD processId, const wchar_t* windowClass, const std::wstring& caption,
                            int childId = 0) {
    return FindWindowOf(processId, [&](HWND w) {
        return IsWindowVisible(w) && (!windowClass || ClassName(w) == windowClass) && WindowText(w) == caption &&
               (childId == 0 || GetDlgItem(w, childId));
    });
}

}  // namespace morvane::testing
