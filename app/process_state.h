#pragma once
// The tray shell's values for the whole run. Everything here is used from the one
// user-interface thread only.
#include <windows.h>

#include "ui/check_window/check_window.h"

namespace morvane {

struct ProcessState {
    HINSTANCE Instance = nullptr;
    HWND HostWindow = nullptr;           // frmHost: owns the tray icon and the tray menu
    bool MainWindowShown = false;        // whether the tray shell last showed the check window
    WNDPROC PreviousWindowProc = nullptr;  // the host window's procedure before subclassing
    SpellingState Spelling;              // settings path, suggestion limit and word list
    int TrayCommandsRunning = 0;         // tray menu commands that have not returned yet
    bool HostWindowDestroyed = false;    // the program ends once no tray command runs
};

// The one instance of the process.
ProcessState& Process();

}  // namespace morvane
