// Test helper, run by the clipboard tests as a second process.
//   clipboard_helper hold READY RELEASE [own]: holds the clipboard open, with a window, from
//     setting event READY until event RELEASE is set; with "own" it empties the clipboard
//     first, which makes its window the owner.
//   clipboard_helper paste TEXT: checks that what another program pasting would get (the
//     clipboard's CF_UNICODETEXT up to its first zero) is exactly TEXT.
// Exit code 0 on success, 1 on a failure, 2 when there is no such text, 3 when the clipboard
// is busy, 4 when the text differs.
#include <windows.h>

#include <cwchar>
#include <string_view>

namespace {

int Hold(const wchar_t* readyName, const wchar_t* releaseName, bool own) {
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, readyName);
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, releaseName);
    HWND window = CreateWindowW(L"STATIC", L"clipboard holder", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!ready || !release || !window || !OpenClipboard(window)) return 1;
    if (own) EmptyClipboard();
    SetEvent(ready);
    while (MsgWaitForMultipleObjects(1, &release, FALSE, 60000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&msg);
    }
    CloseClipboard();
    return 0;  // the window and events go with the process
}

int Paste(std::wstring_view expected) {
    if (!OpenClipboard(nullptr)) return 3;
    int rc = 2;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            rc = std::wstring_view(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t))) == expected ? 0 : 4;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return rc;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring_view mode = argc > 1 ? argv[1] : L"";
    if (mode == L"hold" && argc >= 4) return Hold(argv[2], argv[3], argc > 4 && std::wstring_view(argv[4]) == L"own");
    if (mode == L"paste" && argc == 3) return Paste(argv[2]);
    return 1;
}
