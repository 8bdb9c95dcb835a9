#include "ui/about/about_dialog.h"

#include <vector>

#include "res/resource_ids.h"
#include "support/unique_handle.h"
#include "ui/about/about_layout.h"
#include "ui/about/about_texts.h"
#include "ui/about/centring.h"
#include "ui/about/system_info.h"
#include "ui/about/version_label.h"
#include "support/window_dpi.h"

namespace morvane {
namespace {

struct AboutDialog {
    HINSTANCE instance = nullptr;
    HWND hwnd = nullptr;
    int dpi = 96;
    SysInfoEnvironment sysInfo;
    UniqueFont titleFont;
    UniqueBitmap logo;
};

struct ControlSpec {
    int id;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    TwipsRect place;
};

// In tab order: the order of creation is the order of the tab key.
constexpr ControlSpec kControls[] = {
    {kIdOk, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, kOkRect},
    {kIdIcon, L"STATIC", SS_BITMAP | SS_CENTERIMAGE, WS_EX_CLIENTEDGE, kIconRect},
    {kIdSysInfo, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, kSysInfoRect},
    {kIdDisclaimer, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, kDisclaimerRect},
    {kIdTitle, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, kTitleRect},
    {kIdVersion, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, kVersionRect},
    {kIdDescription, L"EDIT", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
     WS_EX_CLIENTEDGE, kDescriptionRect},
};

// A dialog template with no controls (they are made in code, sized at the real DPI) and
// the system's dialog font.
std::vector<WORD> EmptyDialogTemplate() {
    const DWORD style = DS_MODALFRAME | DS_SHELLFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    std::vector<WORD> words = {LOWORD(style), HIWORD(style), 0, 0,  // style, extended style
                               0,                                   // no controls
                               0, 0, 0, 0,                          // x, y, cx, cy: set at load
                               0, 0, 0,                             // no menu, standard class, no title
                               8};                                  // font size in points
    for (const wchar_t* face = L"MS Shell Dlg"; *face; ++face) words.push_back(static_cast<WORD>(*face));
    words.push_back(0);
    return words;
}

void SetClientSize(HWND window, int width, int height) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int frameWidth = (outer.right - outer.left) - client.right;
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;
    SetWindowPos(window, nullptr, 0, 0, width + frameWidth, height + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MakeTitleFont(AboutDialog& d) {
    const int height = -MulDiv(kTitleTenthsOfPoint, d.dpi, 720);
    d.titleFont.Reset(CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
    SendDlgItemMessageW(d.hwnd, kIdTitle, WM_SETFONT, reinterpret_cast<WPARAM>(d.titleFont.Get()), TRUE);
}

// The logo fills the picture box inside its sunken frame, at the box's size for the DPI.
void LoadLogo(AboutDialog& d) {
    RECT inside{};
    GetClientRect(GetDlgItem(d.hwnd, kIdIcon), &inside);
    UniqueBitmap logo(static_cast<HBITMAP>(
        LoadImageW(d.instance, MAKEINTRESOURCEW(IDB_LOGO), IMAGE_BITMAP, inside.right, inside.bottom, 0)));
    SendDlgItemMessageW(d.hwnd, kIdIcon, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo.Get()));
    d.logo = std::move(logo);  // the old picture goes once the control no longer shows it
}

// Places the controls and sizes the client area for the dialog's DPI.
void Layout(AboutDialog& d) {
    for (const ControlSpec& control : kControls) {
        const PixelRect r = ToPixels(control.place, d.dpi);
        SetWindowPos(GetDlgItem(d.hwnd, control.id), nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetClientSize(d.hwnd, TwipsToPixels(kAboutClientWidth, d.dpi), TwipsToPixels(kAboutClientHeight, d.dpi));
}

void CreateControls(AboutDialog& d) {
    const auto dialogFont = static_cast<WPARAM>(SendMessageW(d.hwnd, WM_GETFONT, 0, 0));
    for (const ControlSpec& control : kControls) {
        HWND created = CreateWindowExW(control.exStyle, control.windowClass, L"", WS_CHILD | WS_VISIBLE | control.style,
                                       0, 0, 0, 0, d.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                       d.instance, nullptr);
        SendMessageW(created, WM_SETFONT, dialogFont, FALSE);
    }
    SetDlgItemTextW(d.hwnd, kIdOk, kOkCaption);
    SetDlgItemTextW(d.hwnd, kIdSysInfo, kSysInfoCaption);
}

void SetIcon(AboutDialog& d) {
    // Shared icons belong to the system's cache: nothing to free.
    const auto big = reinterpret_cast<LPARAM>(LoadImageW(d.instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                         GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                                         LR_SHARED));
    const auto small = reinterpret_cast<LPARAM>(LoadImageW(d.instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                           GetSystemMetrics(SM_CXSMICON),
                                                           GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    SendMessageW(d.hwnd, WM_SETICON, ICON_BIG, big);
    SendMessageW(d.hwnd, WM_SETICON, ICON_SMALL, small);
}

void FillTexts(AboutDialog& d) {
    SetWindowTextW(d.hwnd, kAboutCaption);
    SetDlgItemTextW(d.hwnd, kIdVersion, ModuleVersionLabel(d.instance).c_str());
    SetDlgItemTextW(d.hwnd, kIdTitle, kAboutTitle);
    SetDlgItemTextW(d.hwnd, kIdDescription, kAboutDescription);
    SetDlgItemTextW(d.hwnd, kIdDisclaimer, kAboutDisclaimer);
}

void CentreOnScreen(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int left = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), r.right - r.left);
    const int top = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), r.bottom - r.top);
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnInitDialog(AboutDialog& d) {
    d.dpi = WindowDpi(d.hwnd);
    CreateControls(d);
    MakeTitleFont(d);
    Layout(d);
    LoadLogo(d);
    SetIcon(d);
    FillTexts(d);
    CentreOnScreen(d.hwnd);
    SendMessageW(d.hwnd, DM_SETDEFID, kIdOk, 0);
    SetFocus(GetDlgItem(d.hwnd, kIdOk));
}

void OnDpiChanged(AboutDialog& d, int dpi, const RECT& suggested) {
    d.dpi = dpi;
    SetWindowPos(d.hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    MakeTitleFont(d);
    Layout(d);
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
    HDC dc = BeginPaint(d.hwnd, &paint);
    FillLine(dc, kDarkLine, d.dpi, RGB(128, 128, 128));
    FillLine(dc, kLightLine, d.dpi, RGB(255, 255, 255));
    EndPaint(d.hwnd, &paint);
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
        HWND owner = d.hwnd;
        environment.tell = [owner](const std::wstring& text, const std::wstring& title, UINT style) {
            MessageBoxW(owner, text.c_str(), title.c_str(), style);
        };
    }
    StartSysInfo(environment);
}

INT_PTR CALLBACK AboutDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        auto* d = reinterpret_cast<AboutDialog*>(lParam);
        d->hwnd = hwnd;
        OnInitDialog(*d);
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
    dialog.instance = instance;
    dialog.sysInfo = sysInfo;
    const std::vector<WORD> dialogTemplate = EmptyDialogTemplate();
    DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), owner.Get(),
                            AboutDialogProc, reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace morvane
