#include "ui/check_window/button_picture.h"

namespace morvane {
namespace {

// Keeps an object selected into a DC for the scope, then puts the previous one back.
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

// A size x size 24-bit copy of the bitmap, each pixel the colour of the source pixel it covers.
UniqueBitmap Enlarged(HBITMAP source, int size) {
    BITMAP from{};
    if (!GetObjectW(source, sizeof(from), &from)) return UniqueBitmap();
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, size, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap enlarged(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDc sourceDc(CreateCompatibleDC(nullptr));
    const UniqueMemoryDc targetDc(CreateCompatibleDC(nullptr));
    if (!enlarged || !sourceDc || !targetDc) return UniqueBitmap();
    const SelectedObject sourceSelected(sourceDc.Get(), source);
    const SelectedObject targetSelected(targetDc.Get(), enlarged.Get());
    SetStretchBltMode(targetDc.Get(), COLORONCOLOR);  // whole pixels, never blended
    if (!StretchBlt(targetDc.Get(), 0, 0, size, size, sourceDc.Get(), 0, 0, from.bmWidth, from.bmHeight, SRCCOPY))
        return UniqueBitmap();
    return enlarged;
}

}  // namespace

int ButtonPictureSize(int dotsPerInch) {
    return MulDiv(16, dotsPerInch > 0 ? dotsPerInch : 96, 96);
}

UniqueImageList LoadButtonPicture(HINSTANCE instance, int resourceId, int size) {
    const UniqueBitmap source(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!source) return UniqueImageList();
    const UniqueBitmap picture = Enlarged(source.Get(), size);
    UniqueImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 1, 0));
    // The mask is made from the light grey; the list draws without a background colour.
    if (!picture || !list || ImageList_AddMasked(list.Get(), picture.Get(), kPictureTransparentColour) != 0)
        return UniqueImageList();
    ImageList_SetBkColor(list.Get(), CLR_NONE);
    return list;
}

void SetButtonPicture(HWND button, HIMAGELIST picture) {
    BUTTON_IMAGELIST image{};
    image.himl = picture;
    image.uAlign = BUTTON_IMAGELIST_ALIGN_CENTER;
    SendMessageW(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&image));
    InvalidateRect(button, nullptr, TRUE);
}

}  // namespace morvane
