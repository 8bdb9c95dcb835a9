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

// A hidden window standing in for the host window, and the process state reset around it.
class TrayShellTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &RecordingProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        windowClass.hIconSm = LoadIconW(nullptr, IDI_INFORMATION);
        windowClass.lpszClassName = L"TrayShellTestHost";
        RegisterClassExW(&windowClass);
        host_ = CreateWindowExW(0, L"TrayShellTestHost", L"Morvane", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(host_, nullptr);
        Process().HostWindow = host_;
        Process().PreviousWindowProc = nullptr;
        g_notified.clear();
        g_received.clear();
        g_notifyResult = TRUE;
        SetNotifyIconFunctionForTesting(&RecordNotify);
    }
    void TearDown() override {
        UnhookHostWindow();
        SetNotifyIconFunctionForTesting(nullptr);
        DestroyWindow(host_);
        Process().HostWindow = nullptr;
    }

    WNDPROC CurrentProc() const { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(host_, GWLP_WNDPROC)); }
    std::vector<DWORD> Operations() const {
        std::vector<DWORD> operations;
        for (const auto& call : g_notified) operations.push_back(call.first);
        return operations;
    }

    HWND host_ = nullptr;
};

TEST(TrayIconRecord, HoldsTheFirstLayoutAndTheTipThenOneNulThenSpacesToTheSixtyFourthByte) {
    const auto window = reinterpret_cast<HWND>(0x1234);
    const auto icon = reinterpret_cast<HICON>(0x5678);
    const NOTIFYICONDATAA record = MakeTrayIconRecord(window, icon);
    EXPECT_EQ(record.cbSize, offsetof(NOTIFYICONDATAA, szTip) + 64);
    EXPECT_EQ(std::tuple(record.hWnd, record.hIcon, record.uID, record.uFlags, record.uCallbackMessage),
              std::tuple(window, icon, 125u, 7u, 1025u));
    EXPECT_EQ(std::string(record.szTip, 64), std::string("Morvane. Click to view") + '\0' + std::string(41, ' '));
}

TEST_F(TrayShellTest, TrayCallbackIsAnsweredWithZeroAndAllElseGoesOnToThePreviousProcedure) {
    HookHostWindow(host_);
    for (const LPARAM event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN}) {
        EXPECT_EQ(SendMessageW(host_, kTrayCallbackMessage, kTrayIconId, event), 0);
    }
    EXPECT_EQ(SendMessageW(host_, WM_USER + 7, 1, 2), 42);
    const HWND other = reinterpret_cast<HWND>(0x777);
    EXPECT_EQ(HostWindowProc(other, kTrayCallbackMessage, 3, 4), 42);
    EXPECT_EQ(g_received, (std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>>{
                              {host_, WM_USER + 7, 1, 2}, {other, kTrayCallbackMessage, 3, 4}}));
}

// Start-up hooks the host window only when the icon was added (exactly 1), a restarted
// taskbar adds the icon again and hooks once, and shutdown removes the icon and unhooks.
TEST_F(TrayShellTest, StartUpTaskbarRestartAndShutDown) {
    const WNDPROC original = CurrentProc();
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
    EXPECT_EQ(CurrentProc(), &HostWindowProc);
    OnTaskbarCreated();
    EXPECT_EQ(Process().PreviousWindowProc, original);  // not hooked over itself

    ShutDown();
    EXPECT_EQ(CurrentProc(), original);
    EXPECT_EQ(Process().PreviousWindowProc, nullptr);
    StartUp();
    EXPECT_EQ(CurrentProc(), &HostWindowProc);
    ShutDown();
    ShutDown();  // nothing hooked: the icon is still removed, and the procedure left alone
    EXPECT_EQ(CurrentProc(), original);
    EXPECT_EQ(Operations(),
              (std::vector<DWORD>{NIM_ADD, NIM_ADD, NIM_ADD, NIM_ADD, NIM_DELETE, NIM_ADD, NIM_DELETE, NIM_DELETE}));
    // Add and remove pass the same record: the host window and its own small icon (the
    // notification area shows 16 x 16).
    EXPECT_EQ(std::memcmp(&g_notified[0].second, &g_notified.back().second, sizeof(NOTIFYICONDATAA)), 0);
    EXPECT_EQ(std::tuple(g_notified[0].second.hWnd, g_notified[0].second.hIcon),
              std::tuple(host_, LoadIconW(nullptr, IDI_INFORMATION)));
    g_notifyResult = 5;
    EXPECT_EQ(AddTrayIcon(), 5);  // the platform's result
}

}  // namespace
}  // namespace morvane
