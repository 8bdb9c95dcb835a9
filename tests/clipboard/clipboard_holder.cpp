// Test helper: holds the clipboard open from a second process, with a window, so that
// other processes cannot open it. Usage: clipboard_holder READY_EVENT RELEASE_EVENT
// It empties the clipboard only when given a third argument "own", which makes its
// window the clipboard's owner. Exit code 0 once released, 1 on a failure.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 1;
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, argv[2]);
    HWND window = CreateWindowW(L"STATIC", L"clipboard holder", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!ready || !release || !window || !OpenClipboard(window)) return 1;
    if (argc > 3 && lstrcmpW(argv[3], L"own") == 0) EmptyClipboard();
    SetEvent(ready);
    while (MsgWaitForMultipleObjects(1, &release, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&msg);
    }
    CloseClipboard();
    DestroyWindow(window);
    CloseHandle(ready);
    CloseHandle(release);
    return 0;
}
