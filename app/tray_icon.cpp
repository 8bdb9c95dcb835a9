#include "app/tray_icon.h"

#include <cstring>

#include "app/host_window_proc.h"
#include "app/process_state.h"

namespace morvane {
namespace {

NOTIFYICONDATAA g_trayRecord{};
NotifyIconFunction g_notifyIcon = &Shell_NotifyIconA;

HICON HostWindowIcon(HWND host) {
    // The small image of the application icon where the class has one: the tray shows 16 x 16.
    if (auto small = reinterpret_cast<HICON>(GetClassLongPtrW(host, GCLP_HICONSM))) return small;
    return reinterpret_cast<HICON>(GetClassLongPtrW(host, GCLP_HICON));
}

}  // namespace

NOTIFYICONDATAA MakeTrayIconRecord(HWND window, HICON icon) {
    NOTIFYICONDATAA record{};
    record.cbSize = kTrayRecordSize;
    record.hWnd = window;
    record.uID = kTrayIconId;
    record.uFlags = kTrayIconFlags;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = icon;
    static_assert(sizeof(kTrayTip) <= sizeof(record.szTip));
    std::memset(record.szTip, ' ', sizeof(record.szTip));
    std::memcpy(record.szTip, kTrayTip, sizeof(kTrayTip));  // the text and its NUL
    return record;
}

int AddTrayIcon() {
    const HWND host = Process().HostWindow;
    g_trayRecord = MakeTrayIconRecord(host, HostWindowIcon(host));
    return g_notifyIcon(NIM_ADD, &g_trayRecord);
}

void RemoveTrayIcon() {
    g_notifyIcon(NIM_DELETE, &g_trayRecord);
}

void HookHostWindow(HWND window) {
    Process().PreviousWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWindowProc)));
}

void UnhookHostWindow() {
    ProcessState& process = Process();
    if (!process.PreviousWindowProc) return;
    SetWindowLongPtrW(process.HostWindow, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(process.PreviousWindowProc));
    process.PreviousWindowProc = nullptr;
}

void SetNotifyIconFunctionForTesting(NotifyIconFunction function) {
    g_notifyIcon = function ? function : &Shell_NotifyIconA;
}

}  // namespace morvane
