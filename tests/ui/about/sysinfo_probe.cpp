// A stand-in for the System Information tool: writes the command line it was started with to
// a file named after itself with ".log" added, and ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t self[MAX_PATH + 8];
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return 1;
    lstrcpyW(self + n, L".log");
    HANDLE log = CreateFileW(self, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return 1;
    const wchar_t* commandLine = GetCommandLineW();
    DWORD written = 0;
    WriteFile(log, commandLine, static_cast<DWORD>(lstrlenW(commandLine) * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(log);
    return 0;
}
