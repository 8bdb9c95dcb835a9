#pragma once
// The tray menu's commands.
#include <windows.h>

#include <string>

namespace morvane {

inline constexpr wchar_t kReadMeMissingTitle[] = L"Corrupted Installation";
inline constexpr wchar_t kReadMeMissingText[] =
    L"The ReadMe.txt file is missing from your installation directory.\r\n"
    L"Rerun the installation program and choose \"repair\" to replace the file";
inline constexpr UINT kReadMeMissingStyle = MB_OK | MB_ICONINFORMATION;  // 64

// kCommandShow shows the check window modally, kCommandAbout the About dialog,
// kCommandReadMe opens the read-me file, kCommandExit ends the program; 0 (the menu was
// dismissed) and anything else do nothing. Returns when the window or box that the command
// shows has been closed.
void RunTrayCommand(UINT_PTR command);

// "Show Morvane": MainWindowShown set, then the check window shown modally (an already
// loaded check window stays as it is).
void ShowCheckWindowFromMenu();

// The application directory followed by "\ReadMe.txt", joined as they stand.
std::wstring ReadMePath();
// "Read Me Text File": asks the shell to open the file, or says that it is missing.
void OpenReadMe();

// "E&xit": unloads the check window, then the host window, which removes the icon. The
// program ends as the last tray command returns: About or a message box that an earlier
// command shows stays until the user closes it.
void ExitProgram();

}  // namespace morvane
