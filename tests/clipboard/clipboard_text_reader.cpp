// Test helper: what another program pasting would get. Writes the clipboard's
// CF_UNICODETEXT, up to its first zero, as raw UTF-16 to the file named on the command line.
// Exit code 0 on success, 2 when there is no such text, 3 when the clipboard is busy.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 1;
    if (!OpenClipboard(nullptr)) return 3;
    int rc = 2;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            const size_t units = wcsnlen(text, GlobalSize(data) / sizeof(wchar_t));
            HANDLE file = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            if (file != INVALID_HANDLE_VALUE &&
                WriteFile(file, text, DWORD(units * sizeof(wchar_t)), &written, nullptr))
                rc = 0;
            if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return rc;
}
