#pragma once
// The program's icon, for the windows' captions and the host window's class.
#include <windows.h>

#include "res/resource_ids.h"

namespace morvane {

// The icon square at size pixels. Shared icons belong to the system's cache: nothing to free.
inline HICON LoadProgramIcon(HINSTANCE instance, int size) {
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace morvane
