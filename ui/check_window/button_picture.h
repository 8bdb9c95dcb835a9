#pragma once
// The picture buttons' pictures: 16-colour bitmaps whose light grey (192, 192, 192) is
// transparent, so that the face the current look paints shows through in every state of the
// button (at rest, under the pointer, pressed), whatever the look and the colours, even when
// the user changes them while the window is open.
#include <windows.h>
#include <commctrl.h>

#include "support/unique_handle.h"

namespace morvane {

using UniqueImageList = UniqueHandle<NullHandleTraits<HIMAGELIST, &ImageList_Destroy>>;  // ImageList_Create

inline constexpr COLORREF kPictureTransparentColour = RGB(192, 192, 192);

// The side in pixels a 16-pixel picture has on a screen of dotsPerInch: 16 at 96, 24 at 144,
// 32 at 192.
int ButtonPictureSize(int dotsPerInch);

// The program's 16 x 16 bitmap resource, enlarged to size x size pixel by pixel (each pixel
// takes the colour of the source pixel it falls on, so no colour is blended and the light
// grey stays exactly light grey), in an image list whose mask leaves the light grey out.
// Empty when the resource cannot be loaded.
UniqueImageList LoadButtonPicture(HINSTANCE instance, int resourceId, int size);

// Gives the button the picture, centred; the button keeps the list's handle, not the list.
void SetButtonPicture(HWND button, HIMAGELIST picture);

}  // namespace morvane
