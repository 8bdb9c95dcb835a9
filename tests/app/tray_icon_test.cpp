// The tray icon record, its addition and removal, and the subclassing of the host window.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "app/host_window.h"
#include "app/host_window_proc.h"
#include "app/process_state.h"
#include "app/tray_icon.h"

namespace morvane {
namespace {

std::vector<std::pair<DWORD, NOTIFYICONDATAA>> g_notified;  // operation and record
BOOL g_notifyResult = TRUE;

BOOL WINAPI RecordNotify(DWORD operation, PNOTIFYICONDATAA record) {
    g_notified.emplace_back(operation, *record);
    return g_notifyResult;
}

// What reached the procedure the hook replaced: window, message, wParam, lParam.
std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>> g_received;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < WM_USER) return DefWindowProcW(window, message, wParam, lParam);
    g_received.emplace_back(window, message, wParam, lParam);
    return 42;
}

// A hidden window stands in for the host window. Start-up hooks it only when the icon was
// added (exactly 1); the hook answers the tray callback with zero and passes everything else
// on; a restarted taskbar adds the icon again and hooks once; shutdown removes the icon and
// unhooks. The record it passes has the first layout, and the tip, one NUL, then spaces to the
// sixty-fourth byte.
TEST(TrayShell, StartUpHookTaskbarRestartAndShutDown) {
    const WNDCLASSEXW windowClass{sizeof(WNDCLASSEXW), 0, &RecordingProc, 0, 0, nullptr, nullptr, nullptr, nullptr,
                                  nullptr, L"TrayShellTestHost", LoadIconW(nullptr, IDI_INFORMATION)};  // small icon
    RegisterClassExW(&windowClass);
    const HWND host = CreateWindowExW(0, L"TrayShellTestHost", L"Morvane", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                      nullptr, nullptr, nullptr);
    ASSERT_NE(host, nullptr);
    Process().HostWindow = host;
    SetNotifyIconFunctionForTesting(&RecordNotify);
    const auto currentProc = [&] { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(host, GWLP_WNDPROC)); };
    const WNDPROC original = currentProc();

    for (const BOOL added : {FALSE, 2}) {  // 2: nonzero, but not exactly 1
        g_notifyResult = added;
        StartUp();
        EXPECT_EQ(Process().PreviousWindowProc, nullptr);
    }
    const std::wstring& settingsPath = Process().Spelling.SettingsPath;
    EXPECT_EQ(settingsPath.substr(settingsPath.size() - 13), L"\\Settings.ini");
    g_notifyResult = TRUE;
    OnTaskbarCreated();
    EXPECT_EQ(Process().PreviousWindowProc, original);
    EXPECT_EQ(currentProc(), &HostWindowProc);
    OnTaskbarCreated();
    EXPECT_EQ(Process().PreviousWindowProc, original);  // not hooked over itself

    for (const LPARAM event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN})
        EXPECT_EQ(SendMessageW(host, kTrayCallbackMessage, kTrayIconId, event), 0);
    EXPECT_EQ(SendMessageW(host, WM_USER + 7, 1, 2), 42);
    const HWND other = reinterpret_cast<HWND>(0x777);
    EXPECT_EQ(HostWindowProc(other, kTrayCallbackMessage, 3, 4), 42);
    EXPECT_EQ(g_received, (std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>>{{host, WM_USER + 7, 1, 2},
                                                                               {other, kTrayCallbackMessage, 3, 4}}));

    ShutDown();
    EXPECT_EQ(currentProc(), original);
    EXPECT_EQ(Process().PreviousWindowProc, nullptr);
    StartUp();
    EXPECT_EQ(currentProc(), &HostWindowProc);
    ShutDown();
    ShutDown();  // nothing hooked: the icon is still removed, and the procedure left alone
    EXPECT_EQ(currentProc(), original);
    std::vector<DWORD> operations;
    for (const auto& call : g_notified) operations.push_back(call.first);
    EXPECT_EQ(operations,
              (std::vector<DWORD>{NIM_ADD, NIM_ADD, NIM_ADD, NIM_ADD, NIM_DELETE, NIM_ADD, NIM_DELETE, NIM_DELETE}));
    // Add and remove pass the same record: the host window and its own small icon (the
    // notification area shows 16 x 16).
    const NOTIFYICONDATAA& record = g_notified[0].second;
    EXPECT_EQ(std::memcmp(&record, &g_notified.back().second, sizeof(NOTIFYICONDATAA)), 0);
    EXPECT_EQ(record.cbSize, offsetof(NOTIFYICONDATAA, szTip) + 64);
    EXPECT_EQ(std::tuple(record.hWnd, record.hIcon, record.uID, record.uFlags, record.uCallbackMessage),
              std::tuple(host, LoadIconW(nullptr, IDI_INFORMATION), 125u, 7u, 1025u));
    EXPECT_EQ(std::string(record.szTip, 64), std::string("Morvane. Click to view") + '\0' + std::string(41, ' '));
    g_notifyResult = 5;
    EXPECT_EQ(AddTrayIcon(), 5);  // the platform's result

    SetNotifyIconFunctionForTesting(nullptr);
    DestroyWindow(host);
    Process().HostWindow = nullptr;
}

}  // namespace
}  // namespace morvane
