#include "ui/check_window/button_picture.h"

namespace morvane {
namespace {

// Keeps a bitmap selected into a DC for the scope, then puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace

int MapLightGreyTo(HBITMAP dibSection, COLORREF face) {
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return 0;
    SelectedObject selected(dc.Get(), dibSection);
    RGBQUAD table[256];
    const UINT count = GetDIBColorTable(dc.Get(), 0, 256, table);
    int replaced = 0;
    for (UINT i = 0; i < count; ++i) {
        RGBQUAD& entry = table[i];
        if (entry.rgbRed == 192 && entry.rgbGreen == 192 && entry.rgbBlue == 192) {
            entry.rgbRed = GetRValue(face);
            entry.rgbGreen = GetGValue(face);
            entry.rgbBlue = GetBValue(face);
            ++replaced;
        }
    }
    if (replaced > 0) SetDIBColorTable(dc.Get(), 0, count, table);
    return replaced;
}

UniqueBitmap LoadButtonPicture(HINSTANCE instance, int resourceId) {
    UniqueBitmap picture(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(resourceId),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (picture) MapLightGreyTo(picture.Get(), GetSysColor(COLOR_BTNFACE));
    return picture;
}

}  // namespace morvane
