// The check window's modal and modeless showing and its unloading, in-process.
#include <gtest/gtest.h>

#include "ui/check_window/check_window.h"

namespace morvane {
namespace {

HWND FindCheckWindow() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            wchar_t caption[16] = {};
            GetWindowTextW(window, caption, 16);
            if (IsWindowVisible(window) && GetDlgItem(window, kIdWordBox) &&
                std::wstring(caption) == kCheckWindowCaption) {
                *reinterpret_cast<HWND*>(data) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void PumpWaitingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsCheckWindowDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

struct ModalObservation {
    bool timerRan = false;
    bool loadedWhileShown = false;
    HWND window = nullptr;
} g_seen;

void CALLBACK UnloadFromTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    g_seen.timerRan = true;
    g_seen.loadedWhileShown = IsCheckWindowLoaded();
    g_seen.window = FindCheckWindow();
    ShowCheckWindowModal();  // already loaded: returns at once
    UnloadCheckWindow();
}

TEST(CheckWindowLifetime, ModalShowReturnsOnlyOnceTheWindowIsUnloaded) {
    g_seen = {};
    ASSERT_NE(SetTimer(nullptr, 0, 200, &UnloadFromTimer), 0u);
    ShowCheckWindowModal();
    EXPECT_TRUE(g_seen.timerRan);
    EXPECT_TRUE(g_seen.loadedWhileShown);
    EXPECT_NE(g_seen.window, nullptr);
    EXPECT_FALSE(IsCheckWindowLoaded());
    EXPECT_FALSE(IsWindow(g_seen.window));
}

TEST(CheckWindowLifetime, ModelessShowReturnsAtOnceAndAnotherShowKeepsTheWindow) {
    ShowCheckWindowModeless();
    PumpWaitingMessages();
    ASSERT_TRUE(IsCheckWindowLoaded());
    const HWND window = FindCheckWindow();
    ASSERT_NE(window, nullptr);
    SetDlgItemTextW(window, kIdWordBox, L"kept");

    ShowCheckWindowModeless();
    ShowCheckWindowModal();
    EXPECT_EQ(FindCheckWindow(), window);
    wchar_t text[16] = {};
    GetDlgItemTextW(window, kIdWordBox, text, 16);
    EXPECT_STREQ(text, L"kept");

    UnloadCheckWindow();
    EXPECT_FALSE(IsCheckWindowLoaded());
    EXPECT_FALSE(IsWindow(window));
    UnloadCheckWindow();  // not loaded: nothing happens
    EXPECT_FALSE(IsCheckWindowLoaded());
}

TEST(CheckWindowLifetime, CloseBoxUnloadsAndTheNextShowStartsEmpty) {
    ShowCheckWindowModeless();
    const HWND first = FindCheckWindow();
    ASSERT_NE(first, nullptr);
    SetDlgItemTextW(first, kIdWordBox, L"gone");
    SendMessageW(first, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpWaitingMessages();
    EXPECT_FALSE(IsCheckWindowLoaded());
    EXPECT_FALSE(IsWindow(first));

    ShowCheckWindowModeless();
    const HWND second = FindCheckWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetWindowTextLengthW(GetDlgItem(second, kIdWordBox)), 0);
    EXPECT_EQ(SendDlgItemMessageW(second, kIdWordList, LB_GETCOUNT, 0, 0), 0);
    UnloadCheckWindow();
}

TEST(CheckWindowLifetime, EscapeDoesNotCloseTheWindow) {
    ShowCheckWindowModeless();
    const HWND window = FindCheckWindow();
    ASSERT_NE(window, nullptr);
    SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    PumpWaitingMessages();
    EXPECT_TRUE(IsCheckWindowLoaded());
    EXPECT_TRUE(IsWindow(window));
    UnloadCheckWindow();
}

}  // namespace
}  // namespace morvane
