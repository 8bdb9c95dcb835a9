#pragma once
// The values the tray shell and the check window share for the whole run. Everything here
// is used from the one user-interface thread only.
#include <windows.h>

#include <string>

#include "engine/dictionary.h"

namespace morvane {

struct ProcessState {
    HINSTANCE Instance = nullptr;
    HWND HostWindow = nullptr;           // frmHost: owns the tray icon and the tray menu
    std::wstring SettingsPath;           // application directory + "\Settings.ini"
    int MaxSuggestionCount = 0;          // the MaxSuggestions setting (16-bit signed range)
    bool MainWindowShown = false;        // whether the tray shell last showed the check window
    WNDPROC PreviousWindowProc = nullptr;  // the host window's procedure before subclassing
    Dictionary WordDictionary;           // read each time the check window is loaded
};

// The one instance of the process.
ProcessState& Process();

}  // namespace morvane
