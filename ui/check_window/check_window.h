#pragma once
// frmMain: the check window. The tray shell loads, shows and unloads it; nothing else of it
// is reachable from outside. There is at most one.
#include <windows.h>

#include <string>

#include "engine/dictionary.h"
#include "ui/check_window/check_window_layout.h"

namespace morvane {

inline constexpr wchar_t kCheckWindowCaption[] = L"Morvane";

// What the check window works with. The tray shell keeps it for the whole run and hands it
// to the window each time it shows it.
struct SpellingState {
    std::wstring SettingsPath;    // application directory + "\Settings.ini"
    int MaxSuggestionCount = 0;   // the MaxSuggestions setting, read again before every Check
    Dictionary WordDictionary;    // read each time the window is loaded
};

// Loads the window if it is not loaded (reading the dictionary into spelling) and shows it
// without blocking. A loaded window is left as it is. spelling must outlive the window.
void ShowCheckWindowModeless(SpellingState& spelling);

// Loads the window if it is not loaded and shows it modally: returns when it closes. A
// window that is already loaded is left as it is and the call returns at once.
void ShowCheckWindowModal(SpellingState& spelling);

// Unloads the window; nothing happens when it is not loaded.
void UnloadCheckWindow();

bool IsCheckWindowLoaded();

// For the program's message loop: the keyboard handling of the modeless window (Tab, Enter
// pressing Check). True when the message was used.
bool IsCheckWindowDialogMessage(MSG& message);

}  // namespace morvane
