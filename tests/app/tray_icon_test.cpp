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

struct ReceivedMessage {
    HWND window;
    UINT message;
    WPARAM first;
    LPARAM last;
};
std::vector<ReceivedMessage> g_received;  // what reached the procedure the hook replaced

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM first, LPARAM last) {
    if (message < WM_USER) return DefWindowProcW(window, message, first, last);
    g_received.push_back({window, message, first, last});
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
        host_ = CreateWindowExW(0, L"TrayShellTestHost", L"Morvane", WS_OVERLAPPED, 0, 0, 0, 0,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
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

    WNDPROC CurrentProc() const {
        return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(host_, GWLP_WNDPROC));
    }

    HWND host_ = nullptr;
};

TEST(TrayIconRecord, HoldsTheFirstLayoutAndTheTipThenOneNulThenSpacesToTheSixtyFourthByte) {
    const auto window = reinterpret_cast<HWND>(0x1234);
    const auto icon = reinterpret_cast<HICON>(0x5678);
    const NOTIFYICONDATAA record = MakeTrayIconRecord(window, icon);
    EXPECT_EQ(record.cbSize, offsetof(NOTIFYICONDATAA, szTip) + 64);
    EXPECT_EQ(std::tuple(record.hWnd, record.hIcon), std::tuple(window, icon));
    EXPECT_EQ(std::tuple(record.uID, record.uFlags, record.uCallbackMessage),
              std::tuple(125u, 7u, 1025u));
    EXPECT_EQ(std::string(record.szTip, 64),
              std::string("Morvane. Click to view") + '\0' + std::string(41, ' '));
}

TEST_F(TrayShellTest, AddAndRemovePassTheSameRecordAndAddReturnsThePlatformsResult) {
    g_notifyResult = 5;
    EXPECT_EQ(AddTrayIcon(), 5);
    RemoveTrayIcon();
    ASSERT_EQ(g_notified.size(), 2u);
    EXPECT_EQ(g_notified[0].first, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(g_notified[1].first, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(std::memcmp(&g_notified[0].second, &g_notified[1].second, sizeof(NOTIFYICONDATAA)),
              0);
    EXPECT_EQ(g_notified[0].second.hWnd, host_);
    // The host window's own icon, in its small image: the notification area shows 16 x 16.
    EXPECT_EQ(g_notified[0].second.hIcon, LoadIconW(nullptr, IDI_INFORMATION));
}

TEST_F(TrayShellTest, TrayCallbackIsAnsweredWithZeroAndAllElseGoesOnToThePreviousProcedure) {
    HookHostWindow(host_);
    for (const LPARAM event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN}) {
        EXPECT_EQ(SendMessageW(host_, kTrayCallbackMessage, kTrayIconId, event), 0);
    }
    EXPECT_EQ(SendMessageW(host_, WM_USER + 7, 1, 2), 42);
    const HWND other = reinterpret_cast<HWND>(0x777);
    EXPECT_EQ(HostWindowProc(other, kTrayCallbackMessage, 3, 4), 42);
    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(std::tuple(g_received[0].window, g_received[0].message, g_received[0].first,
                         g_received[0].last),
              std::tuple(host_, WM_USER + 7u, WPARAM{1}, LPARAM{2}));
    EXPECT_EQ(std::tuple(g_received[1].window, g_received[1].message),
              std::tuple(other, kTrayCallbackMessage));
}

TEST_F(TrayShellTest, StartUpSubclassesOnlyWhenTheIconWasAddedAndShutDownPutsTheProcedureBack) {
    const WNDPROC original = CurrentProc();
    g_notifyResult = FALSE;
    StartUp();
    EXPECT_EQ(Process().PreviousWindowProc, nullptr);
    const std::wstring& settingsPath = Process().Spelling.SettingsPath;
    EXPECT_EQ(settingsPath.substr(settingsPath.size() - 13), L"\\Settings.ini");
    g_notifyResult = 2;  // nonzero, but not exactly 1
    StartUp();
    EXPECT_EQ(Process().PreviousWindowProc, nullptr);
    g_notifyResult = TRUE;
    StartUp();
    EXPECT_EQ(Process().PreviousWindowProc, original);
    EXPECT_EQ(CurrentProc(), &HostWindowProc);

    ShutDown();
    EXPECT_EQ(g_notified.back().first, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(CurrentProc(), original);
    EXPECT_EQ(Process().PreviousWindowProc, nullptr);
    ShutDown();  // nothing hooked: the icon is still removed, and the procedure left alone
    EXPECT_EQ(g_notified.back().first, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(g_notified.size(), 5u);
    EXPECT_EQ(CurrentProc(), original);
}

TEST_F(TrayShellTest, TaskbarRestartAddsTheIconAgainAndHooksOnlyOnce) {
    g_notifyResult = FALSE;  // no taskbar at start-up
    StartUp();
    ASSERT_EQ(Process().PreviousWindowProc, nullptr);
    g_notifyResult = TRUE;
    OnTaskbarCreated();
    const WNDPROC previous = Process().PreviousWindowProc;
    EXPECT_NE(previous, nullptr);
    OnTaskbarCreated();
    EXPECT_EQ(Process().PreviousWindowProc, previous);  // not hooked over itself
    ASSERT_EQ(g_notified.size(), 3u);
    for (const auto& call : g_notified) EXPECT_EQ(call.first, static_cast<DWORD>(NIM_ADD));
}

}  // namespace
}  // namespace morvane
