#include "ui/dialog/dialog_form.h"

#include <utility>

#include "support/window_dpi.h"
#include "ui/dialog/program_icon.h"

namespace morvane {

void DialogForm::Load(HWND dialog) {
    dialog_ = dialog;
    dpi_ = WindowDpi(dialog);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (font && GetObjectW(font, sizeof(loadedFont_), &loadedFont_)) loadedDpi_ = dpi_;
    CreateControls();
    LayOut();
    SetIcons();
    CentreOnScreen();
}

void DialogForm::ChangeDpi(int dotsPerInch, const RECT& suggested) {
    dpi_ = dotsPerInch;
    SetWindowPos(dialog_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
    SetFontForDpi();
}

HINSTANCE DialogForm::Instance() const {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog_, GWLP_HINSTANCE));
}

void DialogForm::CreateControls() const {
    const auto font = static_cast<WPARAM>(SendMessageW(dialog_, WM_GETFONT, 0, 0));
    for (const FormControl& control : layout_.controls) {
        const HWND created = CreateWindowExW(
            control.extendedStyle, control.windowClass, control.text,
            WS_CHILD | WS_VISIBLE | control.style, 0, 0, 0, 0, dialog_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), Instance(), nullptr);
        if (created && font) SendMessageW(created, WM_SETFONT, font, FALSE);
    }
}

void DialogForm::LayOut() const {
    for (const FormControl& control : layout_.controls) {
        const RECT place = TwipsToPixelRect(control.place, dpi_);
        SetWindowPos(Control(control.id), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The frame keeps its own size around the client area.
    RECT outer{}, client{};
    GetWindowRect(dialog_, &outer);
    GetClientRect(dialog_, &client);
    const SIZE size = TwipsToPixelSize(layout_.client, dpi_);
    SetWindowPos(dialog_, nullptr, 0, 0, size.cx + (outer.right - outer.left) - client.right,
                 size.cy + (outer.bottom - outer.top) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogForm::SetFontForDpi() {
    if (loadedDpi_ == 0) return;
    // Scaled from the font made at load, so that changes back and forth do not add up.
    LOGFONTW scaled = loadedFont_;
    scaled.lfHeight = MulDiv(loadedFont_.lfHeight, dpi_, loadedDpi_);
    scaled.lfWidth = MulDiv(loadedFont_.lfWidth, dpi_, loadedDpi_);
    UniqueFont font(CreateFontIndirectW(&scaled));
    if (!font) return;
    // The dialog itself keeps the font of its template: it deletes the font it holds when it
    // is destroyed, and this one is the form's.
    const auto handle = reinterpret_cast<WPARAM>(font.Get());
    for (const FormControl& control : layout_.controls) SendMessageW(Control(control.id), WM_SETFONT, handle, TRUE);
    scaledFont_ = std::move(font);  // the previous one goes once no control uses it
}

void DialogForm::SetIcons() const {
    SendMessageW(dialog_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadProgramIcon(Instance(), GetSystemMetrics(SM_CXICON))));
    SendMessageW(dialog_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadProgramIcon(Instance(), GetSystemMetrics(SM_CXSMICON))));
}

void DialogForm::CentreOnScreen() const {
    RECT frame{};
    GetWindowRect(dialog_, &frame);
    SetWindowPos(dialog_, nullptr,
                 CentredOrigin(GetSystemMetrics(SM_CXSCREEN), frame.right - frame.left),
                 CentredOrigin(GetSystemMetrics(SM_CYSCREEN), frame.bottom - frame.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace morvane
