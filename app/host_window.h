#pragma once
// frmHost: the invisible window that owns the tray icon, receives its notifications and
// owns the tray menu. Its creation is the program's start-up, its destruction the shutdown.
#include <windows.h>

namespace morvane {

inline constexpr wchar_t kHostWindowClass[] = L"Morvane.Host";
inline constexpr wchar_t kHostWindowCaption[] = L"Morvane";

// Registers the class and creates the host window, never shown, with the application icon;
// records it in Process().HostWindow. nullptr when the platform refuses.
HWND CreateHostWindow(HINSTANCE instance);

// The load handler: settings path, suggestion limit, tray icon and, only when the icon was
// added, the subclassing of the host window.
void StartUp();

// The unload handler: the tray icon removed (also when none was added) and the host
// window's procedure restored.
void ShutDown();

// WM_CLOSE (sent by installers, the Restart Manager and task managers): ends the program as
// Exit does, so that nothing blocks an upgrade or uninstall and no dead icon stays behind,
// but at once: About or a message box that is open closes too.
void OnCloseRequested();

// WM_ENDSESSION: when the session really ends (sign-out, shutdown, the Restart Manager),
// ends the program as WM_CLOSE does; when the ending was cancelled, the program runs on.
// WM_QUERYENDSESSION is always agreed to.
void OnSessionEnding(bool ending);

// The shell's taskbar was (re)started: the icon is added again with the same record, and
// the host window subclassed if the first attempt at start-up had found no taskbar.
void OnTaskbarCreated();

// The message the shell broadcasts when its taskbar starts.
UINT TaskbarCreatedMessage();

}  // namespace morvane
