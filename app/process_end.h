#pragma once
// When the process ends. The host window's destruction ends it, but not under a tray command
// that is still running (About or a message box it shows, the check window shown modally):
// the menu's Exit leaves what the user has open until the user closes it, and the process
// ends as the last such command returns. WM_CLOSE and WM_ENDSESSION end it at once.

namespace morvane {

// Lives while one tray command runs.
class RunningTrayCommand {
public:
    RunningTrayCommand();
    ~RunningTrayCommand();
    RunningTrayCommand(const RunningTrayCommand&) = delete;
    RunningTrayCommand& operator=(const RunningTrayCommand&) = delete;
};

// For the host window's destruction: the process ends now, or as the last running tray
// command returns.
void EndProcessOnceTrayCommandsReturn();

// The process ends now: the quit message ends every modal loop on the thread (a dialog's, a
// message box's), then the program's own.
void EndProcessNow();

}  // namespace morvane
