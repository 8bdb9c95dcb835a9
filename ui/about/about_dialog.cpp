#include "ui/about/about_dialog.h"

#include "res/resource_ids.h"
#include "support/unique_handle.h"
#include "ui/about/about_layout.h"
#include "ui/about/system_info.h"
#include "ui/about/version_label.h"
#include "ui/dialog/dialog_template.h"

namespace morvane {
namespace {

struct AboutDialog {
    DialogForm form{kAboutForm};
    SysInfoEnvironment sysInfo;
    UniqueFont titleFont;
    UniqueBitmap logo;
};

void MakeTitleFont(AboutDialog& d) {
    const int height = -MulDiv(kTitleTenthsOfPoint, d.form.Dpi(), 720);
    UniqueFont font(CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
    SendMessageW(d.form.Control(kIdTitle), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    d.titleFont = std::move(font);  // the old font goes once the label no longer uses it
}

// The logo fills the picture box inside its sunken frame, at the box's size for the DPI.
void LoadLogo(AboutDialog& d) {
    const HWND picture = d.form.Control(kIdIcon);
    RECT inside{};
    GetClientRect(picture, &inside);
    UniqueBitmap logo(static_cast<HBITMAP>(LoadImageW(d.form.Instance(), MAKEINTRESOURCEW(IDB_LOGO), IMAGE_BITMAP,
                                                      inside.right, inside.bottom, 0)));
    SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo.Get()));
    d.logo = std::move(logo);  // the old picture goes once the control no longer shows it
}

void OnInitDialog(AboutDialog& d, HWND dialog) {
    d.form.Load(dialog);
    MakeTitleFont(d);
    LoadLogo(d);
    SetDlgItemTextW(dialog, kIdVersion, ModuleVersionLabel(d.form.Instance()).c_str());
    SetDlgItemTextW(dialog, kIdDescription, kAboutDescription);
    SendMessageW(dialog, DM_SETDEFID, kIdOk, 0);
    SetFocus(d.form.Control(kIdOk));
}

void OnDpiChanged(AboutDialog& d, int dpi, const RECT& suggested) {
    d.form.ChangeDpi(dpi, suggested);
    MakeTitleFont(d);
    LoadLogo(d);
}

void FillLine(HDC dc, const TwipsLine& line, int dpi, COLORREF colour) {
    const int thickness = TwipsToPixels(line.thicknessTwips, dpi);
    const RECT r{TwipsToPixels(line.left, dpi), TwipsToPixels(line.top, dpi), TwipsToPixels(line.right, dpi),
                 TwipsToPixels(line.top, dpi) + (thickness > 0 ? thickness : 1)};
    const UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.Get());
}

void OnPaint(AboutDialog& d) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(d.form.Dialog(), &paint);
    FillLine(dc, kDarkLine, d.form.Dpi(), RGB(128, 128, 128));
    FillLine(dc, kLightLine, d.form.Dpi(), RGB(255, 255, 255));
    EndPaint(d.form.Dialog(), &paint);
}

// Labels in black; the description on the scroll-bar colour.
INT_PTR OnControlColour(HDC dc, HWND control) {
    if (GetDlgCtrlID(control) == kIdDescription) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_SCROLLBAR));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_SCROLLBAR));
    }
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

void OnSysInfo(AboutDialog& d) {
    SysInfoEnvironment environment = d.sysInfo;
    if (!environment.tell) {
        HWND owner = d.form.Dialog();
        environment.tell = [owner](const std::wstring& text, const std::wstring& title, UINT style) {
            MessageBoxW(owner, text.c_str(), title.c_str(), style);
        };
    }
    StartSysInfo(environment);
}

INT_PTR CALLBACK AboutDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        OnInitDialog(*reinterpret_cast<AboutDialog*>(lParam), hwnd);
        return FALSE;  // the focus is already on cmdOK
    }
    auto* d = reinterpret_cast<AboutDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!d) return FALSE;
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                case IDCANCEL:  // Esc and the close box press cmdOK
                    EndDialog(hwnd, IDOK);
                    return TRUE;
                case kIdSysInfo:
                    if (HIWORD(wParam) == BN_CLICKED) OnSysInfo(*d);
                    return TRUE;
                default:
                    return FALSE;
            }
        case WM_PAINT:
            OnPaint(*d);
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DPICHANGED:
            OnDpiChanged(*d, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowAboutDialogCentred(HINSTANCE instance, const SysInfoEnvironment& sysInfo) {
    // An owned window has no taskbar button: the owner is a window that is never shown.
    const UniqueWindow owner(
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr));
    AboutDialog dialog;
    dialog.sysInfo = sysInfo;
    const DialogTemplate form(kFixedDialogStyle | DS_SHELLFONT, 0, kAboutCaption);
    DialogBoxIndirectParamW(instance, form.Get(), owner.Get(), AboutDialogProc, reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace morvane
