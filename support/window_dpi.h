#pragma once
// The dots per inch a window is shown at.
#include <windows.h>

namespace morvane {

// The window's own DPI where the system tracks it per window (Windows 10 1607 and later),
// otherwise the screen's logical DPI.
int WindowDpi(HWND window);

}  // namespace morvane
