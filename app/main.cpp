// Morvane.exe: starts silently into the notification area and lives there until Exit.
#include <windows.h>
#include <commctrl.h>

#include "app/host_window.h"
#include "app/process_state.h"
#include "app/single_instance.h"
#include "support/debug_trace.h"
#include "support/system_error_text.h"
#include "ui/check_window/check_window.h"

namespace {

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (morvane::IsCheckWindowDialogMessage(message)) continue;  // Tab, Enter, ...
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace morvane;
    Process().MainWindowShown = false;
    const auto firstInstance = SingleInstance::Acquire(kSingleInstanceMutexName);
    if (!firstInstance) return 0;  // another copy runs: end at once, silently

    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    Process().Instance = instance;
    if (!CreateHostWindow(instance)) {
        // The user sees nothing, as before any window exists; a developer sees why.
        Trace(L"start-up failed: the host window could not be made: " + SystemErrorText(GetLastError()));
        return 1;
    }
    StartUp();
    return RunMessageLoop();
}
