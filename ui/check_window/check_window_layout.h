#pragma once
// frmMain's controls and layout in twips.
#include "ui/dialog/dialog_form.h"

namespace morvane {

// Control identifiers of the check window.
inline constexpr int kIdWordBox = 1001;    // txtWord
inline constexpr int kIdWordLabel = 1002;  // Label1
inline constexpr int kIdCheck = 1003;      // cmdCheck
inline constexpr int kIdWordList = 1004;   // lstWords
inline constexpr int kIdCopy = 1005;       // cmdCopy

inline constexpr int kClientWidthTwips = 2865;
inline constexpr int kClientHeightTwips = 2310;

// In tab order: created in this order, so the dialog manager tabs through them so.
inline constexpr FormControl kCheckWindowControls[] = {
    {kIdWordBox, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {885, 645, 1485, 360}},
    {kIdWordLabel, L"STATIC", L"Word", SS_LEFT, 0, {60, 690, 795, 270}},
    {kIdCheck, L"BUTTON", L"Check", WS_TABSTOP | BS_DEFPUSHBUTTON | BS_BITMAP, 0, {2385, 630, 435, 390}},
    {kIdWordList, L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
     WS_EX_CLIENTEDGE, {60, 1065, 2295, 1230}},
    {kIdCopy, L"BUTTON", L"Copy", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, 0, {2385, 1080, 435, 390}},
};

inline constexpr FormLayout kCheckWindowForm{kCheckWindowControls, {kClientWidthTwips, kClientHeightTwips}};

}  // namespace morvane
