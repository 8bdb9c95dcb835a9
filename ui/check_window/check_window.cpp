// The check window's lifetime and window procedure: decode the message, call the handler.
#include "ui/check_window/check_window.h"

#include <exception>
#include <memory>
#include <string>

#include "support/text_convert.h"
#include "ui/check_window/check_window_state.h"
#include "ui/dialog/dialog_template.h"

namespace morvane {
namespace {

constexpr DWORD kWindowExtendedStyle = WS_EX_APPWINDOW;  // a taskbar button while shown

// The loaded window, if any. A window that is being destroyed may outlive this pointer
// while one of its handlers is still running.
std::shared_ptr<CheckWindow> g_window;

void ReportFailure(HWND dialog, const char* what) {
    std::wstring text = L"Morvane could not finish what was asked of it.";
    if (what && *what) text += L"\r\n\r\n" + AnsiToWide(what);
    MessageBoxW(dialog, text.c_str(), kCheckWindowCaption, MB_OK | MB_ICONSTOP);
}

void OnCommand(CheckWindow& window, int id, int notification) {
    if (id == kIdCheck && notification == BN_CLICKED) window.OnCheck();
    else if (id == kIdWordList && notification == LBN_DBLCLK) window.OnLookUp();
    else if (id == kIdCopy && notification == BN_CLICKED) window.OnCopy();
    // IDCANCEL (Esc) does nothing: the window has no cancel button.
}

INT_PTR HandleMessage(CheckWindow& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DPICHANGED:
        window.OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) window.OnActivate();
        return FALSE;  // the dialog manager still restores the focus
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
    case kUnloadMessage:
        window.Unload();
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK CheckWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* attached = reinterpret_cast<CheckWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!attached) return FALSE;
    const std::shared_ptr<CheckWindow> window = attached->shared_from_this();
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        window->OnDestroyed();
        if (g_window == window) g_window.reset();
        return FALSE;
    }
    try {
        if (message == WM_INITDIALOG) {
            window->OnLoad(dialog);
            return FALSE;  // the focus has been put in the word box
        }
        return HandleMessage(*window, message, wParam, lParam);
    } catch (const std::exception& failure) {
        ReportFailure(dialog, failure.what());
    } catch (...) {
        ReportFailure(dialog, nullptr);
    }
    return TRUE;
}

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

}  // namespace

void CheckWindow::Unload() {
    if (Unloading()) return;
    unloading_ = true;
    if (modal_) EndDialog(Dialog(), 0);
    else DestroyWindow(Dialog());
}

bool IsCheckWindowLoaded() {
    return g_window && !g_window->Unloading();
}

void ShowCheckWindowModeless(SpellingState& spelling) {
    if (IsCheckWindowLoaded()) return;
    const auto window = std::make_shared<CheckWindow>(spelling, false);
    g_window = window;
    const DialogTemplate form(kFixedDialogStyle, kWindowExtendedStyle, kCheckWindowCaption);
    const HWND dialog = CreateDialogIndirectParamW(ProgramInstance(), form.Get(), nullptr,
                                                   &CheckWindowProc,
                                                   reinterpret_cast<LPARAM>(window.get()));
    if (!dialog || window->Unloading()) {
        if (g_window == window) g_window.reset();
        return;
    }
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
}

void ShowCheckWindowModal(SpellingState& spelling) {
    if (IsCheckWindowLoaded()) return;
    const auto window = std::make_shared<CheckWindow>(spelling, true);
    g_window = window;
    const DialogTemplate form(kFixedDialogStyle | WS_VISIBLE, kWindowExtendedStyle,
                              kCheckWindowCaption);
    DialogBoxIndirectParamW(ProgramInstance(), form.Get(), nullptr, &CheckWindowProc,
                            reinterpret_cast<LPARAM>(window.get()));
    if (g_window == window) g_window.reset();
}

void UnloadCheckWindow() {
    if (g_window) g_window->Unload();
}

bool IsCheckWindowDialogMessage(MSG& message) {
    if (!g_window || g_window->Modal() || g_window->Unloading()) return false;
    return IsDialogMessageW(g_window->Dialog(), &message) != FALSE;
}

}  // namespace morvane
