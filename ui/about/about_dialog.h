#pragma once
// The About dialog, frmAbout: the program's name, version, credits and legal notice, and a
// button that starts the System Information tool.
#include <windows.h>

#include "ui/about/system_info.h"

namespace morvane {

// Loads the dialog (resources from instance: logo, icon, version information), centres it on
// the screen, shows it modally and returns when it has been closed. It has no taskbar button.
// The System Information button looks for the tool as sysInfo says (the system's registry
// entries by default); its message box is owned by the dialog unless sysInfo says otherwise.
void ShowAboutDialogCentred(HINSTANCE instance, const SysInfoEnvironment& sysInfo = {});

}  // namespace morvane
