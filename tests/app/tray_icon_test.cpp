// The tray icon record, its addition and removal, and the subclassing of the host window.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include "app/host_window.h"
#include "app/host_window_proc.h"
#include "app/process_state.h"
#include "app/tray_icon.h"

namespace morvane {
namespace {

struct NotifyCall {
    DWORD operation;
    NOTIFYICONDATAA record;
};
std::vector<NotifyCall> g_calls;
BOOL g_notifyResult = TRUE;

BOOL WINAPI RecordNotify(DWORD operation, PNOTIFYICONDATAA record) {
    g_calls.push_back({operation, *record});
    return g_notifyResult;
}

struct ReceivedMessage {
    HWND window;
    UINT message;
    WPARAM first;
    LPARAM last;
};
std::vector<ReceivedMessage> g_received;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM first, LPARAM last) {
    if (message >= WM_USER) {
        g_received.push_back({window, message, first, last});
        return 42;
    }
    return DefWindowProcW(window, message, first, last);
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
        g_calls.clear();
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

TEST(TrayIconRecord, HoldsTheFirstLayoutWithItsFixedValues) {
    const HWND window = reinterpret_cast<HWND>(0x1234);
    const HICON icon = reinterpret_cast<HICON>(0x5678);
    const NOTIFYICONDATAA record = MakeTrayIconRecord(window, icon);
    EXPECT_EQ(record.cbSize, offsetof(NOTIFYICONDATAA, szTip) + 64);
    EXPECT_EQ(record.hWnd, window);
    EXPECT_EQ(record.uID, 125u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 1025u);
    EXPECT_EQ(record.hIcon, icon);
}

TEST(TrayIconRecord, TipIsTheTextOneNulThenSpacesToTheSixtyFourthByte) {
    const NOTIFYICONDATAA record = MakeTrayIconRecord(nullptr, nullptr);
    const char* tip = record.szTip;
    const std::size_t length = std::strlen("Morvane. Click to view");
    EXPECT_EQ(std::string(tip, length), "Morvane. Click to view");
    EXPECT_EQ(tip[length], '\0');
    for (std::size_t i = length + 1; i < 64; ++i) EXPECT_EQ(tip[i], ' ') << "byte " << i;
}

TEST_F(TrayShellTest, AddAndRemovePassTheSameRecordAndAddReturnsThePlatformsResult) {
    g_notifyResult = 5;
    EXPECT_EQ(AddTrayIcon(), 5);
    RemoveTrayIcon();
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0].operation, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(g_calls[1].operation, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(std::memcmp(&g_calls[0].record, &g_calls[1].record, sizeof(NOTIFYICONDATAA)), 0);
    EXPECT_EQ(g_calls[0].record.hWnd, host_);
    // The host window's own icon, in its small image: the notification area shows 16 x 16.
    EXPECT_EQ(g_calls[0].record.hIcon, LoadIconW(nullptr, IDI_INFORMATION));
}

TEST_F(TrayShellTest, HookRecordsThePreviousProcedureAndUnhookPutsItBack) {
    const WNDPROC original = CurrentProc();
    HookHostWindow(host_);
    EXPECT_EQ(Process().PreviousWindowProc, original);
    EXPECT_EQ(CurrentProc(), &HostWindowProc);
    UnhookHostWindow();
    EXPECT_EQ(CurrentProc(), original);
    EXPECT_EQ(Process().PreviousWindowProc, nullptr);
    UnhookHostWindow();  // nothing recorded: nothing happens
    EXPECT_EQ(CurrentProc(), original);
}

TEST_F(TrayShellTest, OtherMessagesAndOtherWindowsGoOnToThePreviousProcedure) {
    HookHostWindow(host_);
    EXPECT_EQ(SendMessageW(host_, WM_USER + 7, 1, 2), 42);
    const HWND other = reinterpret_cast<HWND>(0x777);
    EXPECT_EQ(HostWindowProc(other, kTrayCallbackMessage, 3, 4), 42);
    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(g_received[0].message, WM_USER + 7u);
    EXPECT_EQ(g_received[0].first, 1u);
    EXPECT_EQ(g_received[0].last, 2);
    EXPECT_EQ(g_received[1].window, other);
    EXPECT_EQ(g_received[1].message, kTrayCallbackMessage);
}

TEST_F(TrayShellTest, TrayCallbackIsAnsweredWithZeroAndNotPassedOn) {
    HookHostWindow(host_);
    for (const LPARAM event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN}) {
        EXPECT_EQ(SendMessageW(host_, kTrayCallbackMessage, kTrayIconId, event), 0);
    }
    EXPECT_TRUE(g_received.empty());
}

TEST_F(TrayShellTest, StartUpSubclassesOnlyWhenTheIconWasAdded) {
    g_notifyResult = FALSE;
    StartUp();
    EXPECT_EQ(Process().PreviousWindowProc, nullptr);
    EXPECT_EQ(Process().SettingsPath.substr(Process().SettingsPath.size() - 13), L"\\Settings.ini");

    g_notifyResult = 2;  // nonzero, but not exactly 1
    StartUp();
    EXPECT_EQ(Process().PreviousWindowProc, nullptr);

    g_notifyResult = TRUE;
    StartUp();
    EXPECT_NE(Process().PreviousWindowProc, nullptr);
    EXPECT_EQ(CurrentProc(), &HostWindowProc);
}

TEST_F(TrayShellTest, ShutDownRemovesTheIconEvenWhenNoneWasAdded) {
    ShutDown();
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].operation, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(Process().PreviousWindowProc, nullptr);
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
    ASSERT_EQ(g_calls.size(), 3u);
    for (const NotifyCall& call : g_calls) EXPECT_EQ(call.operation, static_cast<DWORD>(NIM_ADD));
}

}  // namespace
}  // namespace morvane
