#include "app/host_window_proc.h"

#include "app/failure_barrier.h"
#include "app/process_state.h"
#include "app/tray_icon.h"
#include "app/tray_menu.h"
#include "ui/check_window/check_window.h"

namespace morvane {

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ProcessState& process = Process();
    if (window != process.HostWindow || message != kTrayCallbackMessage) {
        return CallWindowProcW(process.PreviousWindowProc, window, message, wParam, lParam);
    }
    // The icon identifier in wParam is not examined: the program has one icon.
    RunStep(L"the tray notification", [&] { OnTrayNotification(lParam); });
    return 0;
}

void OnTrayNotification(LPARAM event) {
    switch (event) {
    case kLeftButtonReleased:
        ToggleCheckWindow();
        return;
    case kRightButtonReleased:
        ShowTrayMenu();
        return;
    default:  // pressed, double click, moved: nothing
        return;
    }
}

void ToggleCheckWindow() {
    ProcessState& process = Process();
    // Each step runs even when the one before it failed.
    RunStep(L"bringing the host window to the foreground",
            [&] { SetForegroundWindow(process.HostWindow); });
    if (process.MainWindowShown) {
        RunStep(L"unloading the check window", [] { UnloadCheckWindow(); });
        process.MainWindowShown = false;
    } else {
        process.MainWindowShown = true;
        RunStep(L"showing the check window", [&] { ShowCheckWindowModeless(process.Spelling); });
    }
}

}  // namespace morvane
