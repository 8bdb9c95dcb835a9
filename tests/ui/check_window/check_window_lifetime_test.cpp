// The check window's modal and modeless showing and its unloading, in-process.
#include <gtest/gtest.h>

#include <string>

#include "ui/check_window/check_window.h"

namespace morvane {
namespace {

SpellingState g_spelling;

HWND FindCheckWindow() {
    const HWND found = FindWindowW(L"#32770", kCheckWindowCaption);
    const bool ours = found && GetWindowThreadProcessId(found, nullptr) == GetCurrentThreadId();
    return ours && IsWindowVisible(found) && GetDlgItem(found, kIdWordBox) ? found : nullptr;
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
    g_seen = {true, IsCheckWindowLoaded(), FindCheckWindow()};
    ShowCheckWindowModal(g_spelling);  // already loaded: returns at once
    UnloadCheckWindow();
}

TEST(CheckWindowLifetime, ModalShowReturnsOnlyOnceTheWindowIsUnloaded) {
    g_seen = {};
    ASSERT_NE(SetTimer(nullptr, 0, 200, &UnloadFromTimer), 0u);
    ShowCheckWindowModal(g_spelling);
    EXPECT_TRUE(g_seen.timerRan);
    EXPECT_TRUE(g_seen.loadedWhileShown);
    EXPECT_NE(g_seen.window, nullptr);
    EXPECT_FALSE(IsCheckWindowLoaded());
    EXPECT_FALSE(IsWindow(g_seen.window));
}

TEST(CheckWindowLifetime, ModelessShowReturnsAtOnceAndNeitherAnotherShowNorEscapeReplacesIt) {
    ShowCheckWindowModeless(g_spelling);
    PumpWaitingMessages();
    ASSERT_TRUE(IsCheckWindowLoaded());
    const HWND window = FindCheckWindow();
    ASSERT_NE(window, nullptr);
    SetDlgItemTextW(window, kIdWordBox, L"kept");
    ShowCheckWindowModeless(g_spelling);
    ShowCheckWindowModal(g_spelling);
    SendMessageW(window, WM_COMMAND, IDCANCEL, 0);  // Escape
    PumpWaitingMessages();
    EXPECT_EQ(FindCheckWindow(), window);
    wchar_t text[16] = {};
    GetDlgItemTextW(window, kIdWordBox, text, 16);
    EXPECT_STREQ(text, L"kept");
    // The word box has no length limit: a paste far beyond the edit control's default stays whole.
    const std::wstring pasted(40000, L'a');
    SendDlgItemMessageW(window, kIdWordBox, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pasted.c_str()));
    EXPECT_GE(GetWindowTextLengthW(GetDlgItem(window, kIdWordBox)), 40000);

    UnloadCheckWindow();
    EXPECT_FALSE(IsCheckWindowLoaded());
    EXPECT_FALSE(IsWindow(window));
    UnloadCheckWindow();  // not loaded: nothing happens
    EXPECT_FALSE(IsCheckWindowLoaded());
}

}  // namespace
}  // namespace morvane
