#pragma once
// modWinProc, second half: the tray menu, built afresh for every right click.
#include <windows.h>

#include <array>
#include <cstddef>

#include "support/unique_handle.h"

namespace morvane {

inline constexpr UINT kCommandShow = 106;
inline constexpr UINT kCommandSeparator = 102;  // both separators; no such command exists
inline constexpr UINT kCommandAbout = 101;
inline constexpr UINT kCommandReadMe = 108;
inline constexpr UINT kCommandExit = 103;

// Return the chosen identifier, send no notifications; top-left at the point; left button.
inline constexpr UINT kTrayMenuTrackFlags = TPM_RETURNCMD | TPM_NONOTIFY;  // 0x180
static_assert(kTrayMenuTrackFlags == 0x180);

// The ANSI menu-item record in its first layout, without the item-bitmap field.
inline constexpr UINT kMenuItemRecordSize = offsetof(MENUITEMINFOA, hbmpItem);
#if !defined(_WIN64)
static_assert(kMenuItemRecordSize == 44, "the 32-bit menu-item record's first layout is 44 bytes");
static_assert(sizeof(TPMPARAMS) == 20, "the 32-bit tracking parameters are 20 bytes");
#endif

struct TrayMenuItem {
    const char* text;  // nullptr for a separator
    UINT id;
};

// The menu, top to bottom.
inline constexpr std::array<TrayMenuItem, 6> kTrayMenuItems{{
    {"Show Morvane", kCommandShow},
    {nullptr, kCommandSeparator},
    {"About Morvane", kCommandAbout},
    {"Read Me Text File", kCommandReadMe},
    {nullptr, kCommandSeparator},
    {"E&xit", kCommandExit},
}};

// The record that describes one item: state, identifier and type given (mask 0x13), enabled
// and unchecked, and for a text item its text and length ("&" counted).
MENUITEMINFOA MakeMenuItemRecord(const TrayMenuItem& item);

// A new pop-up menu holding the items in table order.
UniqueMenu BuildTrayMenu();

// Size 20 and an empty exclusion rectangle.
TPMPARAMS MakeTrackingParameters();

// Builds the menu, tracks it at the mouse position with the host window as owner, destroys
// it, then carries out the chosen command.
void ShowTrayMenu();

}  // namespace morvane
