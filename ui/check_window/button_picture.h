#pragma once
// The picture buttons' bitmaps, whose light grey (192, 192, 192) shows the button face.
#include <windows.h>

#include "support/unique_handle.h"

namespace morvane {

// Loads a 16-colour bitmap resource of the program and turns its light grey into the
// current button-face colour. Empty when the resource cannot be loaded.
UniqueBitmap LoadButtonPicture(HINSTANCE instance, int resourceId);

// Replaces every light grey entry of a DIB section's colour table with `face`; returns how
// many entries were replaced.
int MapLightGreyTo(HBITMAP dibSection, COLORREF face);

}  // namespace morvane
