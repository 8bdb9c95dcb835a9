#pragma once
// frmMain's layout in twips, and where it lands in pixels at a screen resolution.
#include <windows.h>

#include <array>

namespace morvane {

// Control identifiers of the check window.
inline constexpr int kIdWordBox = 1001;    // txtWord
inline constexpr int kIdWordLabel = 1002;  // Label1
inline constexpr int kIdCheck = 1003;      // cmdCheck
inline constexpr int kIdWordList = 1004;   // lstWords
inline constexpr int kIdCopy = 1005;       // cmdCopy

inline constexpr int kClientWidthTwips = 2865;
inline constexpr int kClientHeightTwips = 2310;

struct TwipsRect {
    int left, top, width, height;
};

struct ControlLayout {
    int id;
    const wchar_t* windowClass;
    const wchar_t* text;  // for the picture buttons, the accessible name
    DWORD style;
    DWORD extendedStyle;
    TwipsRect place;
};

// In tab order: created in this order, so the dialog manager tabs through them so.
inline constexpr std::array<ControlLayout, 5> kCheckWindowControls{{
    {kIdWordBox, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
     WS_EX_CLIENTEDGE, {885, 645, 1485, 360}},
    {kIdWordLabel, L"STATIC", L"Word", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, {60, 690, 795, 270}},
    {kIdCheck, L"BUTTON", L"Check", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_BITMAP,
     0, {2385, 630, 435, 390}},
    {kIdWordList, L"LISTBOX", L"",
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
     WS_EX_CLIENTEDGE, {60, 1065, 2295, 1230}},
    {kIdCopy, L"BUTTON", L"Copy", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, 0,
     {2385, 1080, 435, 390}},
}};

// The rectangle in pixels at dotsPerInch (each coordinate converted on its own, rounded).
RECT TwipsToPixelRect(const TwipsRect& place, int dotsPerInch);

// The client area's size in pixels.
SIZE CheckWindowClientSize(int dotsPerInch);

// The top-left corner that centres a window of the given size on a screen of the given size.
POINT CentredOnScreen(SIZE screen, SIZE window);

}  // namespace morvane
