#include "app/tray_menu.h"

#include <cstring>

#include "app/process_state.h"
#include "app/tray_commands.h"

namespace morvane {

MENUITEMINFOA MakeMenuItemRecord(const TrayMenuItem& item) {
    MENUITEMINFOA record{};
    record.cbSize = kMenuItemRecordSize;
    record.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;  // 0x13
    record.fType = item.text ? MFT_STRING : MFT_SEPARATOR;
    record.fState = MFS_ENABLED | MFS_UNCHECKED;
    record.wID = item.id;
    if (item.text) {
        // Only read by the platform; the field is not const in its declaration.
        record.dwTypeData = const_cast<char*>(item.text);
        record.cch = static_cast<UINT>(std::strlen(item.text));
    }
    return record;
}

UniqueMenu BuildTrayMenu() {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return menu;
    UINT position = 0;
    for (const TrayMenuItem& item : kTrayMenuItems) {
        const MENUITEMINFOA record = MakeMenuItemRecord(item);
        InsertMenuItemA(menu.Get(), position++, TRUE, &record);
    }
    return menu;
}

TPMPARAMS MakeTrackingParameters() {
    TPMPARAMS parameters{};
    parameters.cbSize = sizeof(TPMPARAMS);
    SetRectEmpty(&parameters.rcExclude);
    return parameters;
}

void ShowTrayMenu() {
    const HWND host = Process().HostWindow;
    UINT_PTR command = 0;
    {
        UniqueMenu menu = BuildTrayMenu();
        if (!menu) return;
        POINT at{};
        GetCursorPos(&at);
        TPMPARAMS parameters = MakeTrackingParameters();
        // The foreground step and the null message afterwards let a click elsewhere close
        // the menu, as notification-area menus need.
        SetForegroundWindow(host);
        command = static_cast<UINT>(
            TrackPopupMenuEx(menu.Get(), kTrayMenuTrackFlags, at.x, at.y, host, &parameters));
        PostMessageW(host, WM_NULL, 0, 0);
    }  // the menu is destroyed before its command runs
    RunTrayCommand(command);
}

}  // namespace morvane
