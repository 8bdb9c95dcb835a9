#pragma once
// modSysTray: the notification-area icon of the host window, and the subclassing that lets
// the icon's mouse notifications reach HostWindowProc.
#include <windows.h>
#include <shellapi.h>

namespace morvane {

inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;  // 1025
inline constexpr UINT kTrayIconId = 125;
inline constexpr UINT kTrayIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;  // 7
inline constexpr char kTrayTip[] = "Morvane. Click to view";
// The record's first and smallest layout, as passed to the ANSI entry point.
inline constexpr DWORD kTrayRecordSize = NOTIFYICONDATAA_V1_SIZE;
#if !defined(_WIN64)
static_assert(kTrayRecordSize == 88, "the 32-bit icon record's first layout is 88 bytes");
#endif

// The icon record: size, window, kTrayIconId, kTrayIconFlags, kTrayCallbackMessage, icon,
// and the tip followed by one NUL and spaces up to the field's 64th byte.
NOTIFYICONDATAA MakeTrayIconRecord(HWND window, HICON icon);

// Adds the host window's icon (Process().HostWindow) and keeps the record for its removal.
// Returns the platform call's result unchanged.
int AddTrayIcon();
// Deletes the icon described by the kept record; the result is ignored.
void RemoveTrayIcon();

// Makes HostWindowProc the window's procedure and records the one it replaces in
// Process().PreviousWindowProc.
void HookHostWindow(HWND window);
// Puts the recorded procedure back on the host window, if one is recorded, and clears it.
void UnhookHostWindow();

// Tests watch the records passed to the platform; nullptr restores Shell_NotifyIconA.
using NotifyIconFunction = BOOL(WINAPI*)(DWORD operation, PNOTIFYICONDATAA record);
void SetNotifyIconFunctionForTesting(NotifyIconFunction function);

}  // namespace morvane
