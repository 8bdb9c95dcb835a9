#include "app/process_end.h"

#include <windows.h>

#include "app/process_state.h"

namespace morvane {

RunningTrayCommand::RunningTrayCommand() {
    ++Process().TrayCommandsRunning;
}

RunningTrayCommand::~RunningTrayCommand() {
    ProcessState& process = Process();
    if (--process.TrayCommandsRunning == 0 && process.HostWindowDestroyed) EndProcessNow();
}

void EndProcessOnceTrayCommandsReturn() {
    ProcessState& process = Process();
    process.HostWindowDestroyed = true;
    if (process.TrayCommandsRunning == 0) EndProcessNow();
}

void EndProcessNow() {
    PostQuitMessage(0);
}

}  // namespace morvane
