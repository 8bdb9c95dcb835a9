#include "app/host_window.h"

#include "app/process_end.h"
#include "app/process_state.h"
#include "app/tray_commands.h"
#include "app/tray_icon.h"
#include "support/app_paths.h"
#include "support/suggestion_setting.h"
#include "ui/dialog/program_icon.h"

namespace morvane {
namespace {

LRESULT CALLBACK HostClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TaskbarCreatedMessage() && message != 0) {
        OnTaskbarCreated();
        return 0;
    }
    switch (message) {
    case WM_CLOSE:
        OnCloseRequested();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;  // never holds up a sign-out, shutdown or installer
    case WM_ENDSESSION:
        OnSessionEnding(wParam != FALSE);
        return 0;
    case WM_DESTROY:
        ShutDown();
        EndProcessOnceTrayCommandsReturn();
        return 0;
    case WM_NCDESTROY:
        Process().HostWindow = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

HWND CreateHostWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &HostClassProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadProgramIcon(instance, GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = LoadProgramIcon(instance, GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kHostWindowClass;
    if (!RegisterClassExW(&windowClass)) return nullptr;

    TaskbarCreatedMessage();  // registered before the taskbar can send it
    // A tool window, so that it never gets a taskbar button; it is never shown.
    const HWND host = CreateWindowExW(WS_EX_TOOLWINDOW, kHostWindowClass, kHostWindowCaption,
                                      WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, instance,
                                      nullptr);
    Process().HostWindow = host;
    return host;
}

void StartUp() {
    ProcessState& process = Process();
    SpellingState& spelling = process.Spelling;
    spelling.SettingsPath = ApplicationDirectory() + L"\\Settings.ini";
    // A refused value has been reported by the reader; start-up then uses 10.
    spelling.MaxSuggestionCount =
        ReadSuggestionLimit(spelling.SettingsPath).value_or(kStartupSuggestionLimit);
    if (AddTrayIcon() == 1) HookHostWindow(process.HostWindow);
}

void ShutDown() {
    RemoveTrayIcon();
    UnhookHostWindow();
}

void OnCloseRequested() {
    ExitProgram();
    // Here the two ways of ending part: the menu's Exit leaves About or a message box open
    // until the user closes it, but an installer must not wait on a window the user left
    // open, and a session that ends closes every window. So everything ends now.
    EndProcessNow();
}

void OnSessionEnding(bool ending) {
    // After this message the process may be ended at any moment: leave no dead icon behind.
    if (ending) OnCloseRequested();
}

void OnTaskbarCreated() {
    if (AddTrayIcon() == 1 && !Process().PreviousWindowProc) HookHostWindow(Process().HostWindow);
}

}  // namespace morvane
