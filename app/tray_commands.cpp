#include "app/tray_commands.h"

#include "app/process_end.h"
#include "app/process_state.h"
#include "app/tray_menu.h"
#include "support/app_paths.h"
#include "support/file_operations.h"
#include "support/shell.h"
#include "ui/about/about_dialog.h"
#include "ui/check_window/check_window.h"

namespace morvane {

void RunTrayCommand(UINT_PTR command) {
    const RunningTrayCommand running;
    switch (command) {
    case kCommandShow:
        ShowCheckWindowFromMenu();
        return;
    case kCommandAbout:
        ShowAboutDialogCentred(Process().Instance);
        return;
    case kCommandReadMe:
        OpenReadMe();
        return;
    case kCommandExit:
        ExitProgram();
        return;
    default:
        return;
    }
}

void ShowCheckWindowFromMenu() {
    Process().MainWindowShown = true;
    ShowCheckWindowModal(Process().Spelling);
}

std::wstring ReadMePath() {
    return ApplicationDirectory() + L"\\ReadMe.txt";
}

void OpenReadMe() {
    const std::wstring path = ReadMePath();
    if (FileExists(path)) {
        OpenWithShell(L"open", path, std::nullopt, std::nullopt, SW_SHOWNORMAL);
        return;
    }
    MessageBoxW(nullptr, kReadMeMissingText, kReadMeMissingTitle,
                kReadMeMissingStyle | MB_TASKMODAL);
}

void ExitProgram() {
    UnloadCheckWindow();
    if (HWND host = Process().HostWindow) DestroyWindow(host);
}

}  // namespace morvane
