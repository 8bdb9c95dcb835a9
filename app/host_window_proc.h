#pragma once
// modWinProc, first half: the host window's replacement window procedure, which routes the
// tray icon's mouse notifications.
#include <windows.h>

namespace morvane {

inline constexpr LPARAM kLeftButtonReleased = WM_LBUTTONUP;    // 514
inline constexpr LPARAM kRightButtonReleased = WM_RBUTTONUP;   // 517

// Installed by HookHostWindow. The tray callback (kTrayCallbackMessage) is handled here and
// answered with 0;
// every other message, and every message for another window, goes on to
// Process().PreviousWindowProc. No failure leaves it.
LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// What the icon's notification asks for: kLeftButtonReleased toggles the check window,
// kRightButtonReleased opens the tray menu, anything else does nothing.
void OnTrayNotification(LPARAM event);

// A left click: unloads the check window when the tray shell last showed it, else shows it
// modeless. MainWindowShown is set before the window is shown.
void ToggleCheckWindow();

}  // namespace morvane
