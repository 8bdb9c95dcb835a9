// A custom action of the installer package: before files are installed, repaired or removed,
// a running Morvane is asked to end as Exit ends it (WM_CLOSE to its host window), so that
// nothing holds its files and no dead icon stays in the tray. Windows' Restart Manager does
// the same through the session-end messages; Wine's installer has no Restart Manager.
#include <windows.h>
#include <msi.h>

#include "app/host_window.h"

namespace {

constexpr DWORD kWaitMilliseconds = 10000;

void CloseAndWait(HWND host) {
    DWORD processId = 0;
    GetWindowThreadProcessId(host, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(host, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kWaitMilliseconds, &ignored);
    if (process) {
        WaitForSingleObject(process, kWaitMilliseconds);
        CloseHandle(process);
    }
}

}  // namespace

// The entry point the package names. It never fails the installation: a Morvane that does not
// end leaves its files to Windows Installer's own handling of files in use.
extern "C" __declspec(dllexport) UINT __stdcall CloseRunningMorvane(MSIHANDLE) {
    // Only one runs at a time; a second pass finds any that started meanwhile.
    for (int pass = 0; pass < 2; ++pass) {
        const HWND host = FindWindowW(morvane::kHostWindowClass, nullptr);
        if (!host) break;
        CloseAndWait(host);
    }
    return ERROR_SUCCESS;
}
