#pragma once
// CMemoryDC: one memory device context compatible with the screen, always with one bitmap
// selected into it: its own bitmap, made at a requested size, or a bitmap attached from
// outside. It turns bitmaps into OLE pictures and back and reads and writes single pixels.
//
// Ownership: an attached bitmap is never deleted here. An own bitmap is deleted when it is
// replaced, and at destruction only while TerminateKillsBitmap is true; setting it to false
// hands the own bitmap to whoever read hBitmap.
#include <windows.h>

#include <cstdint>

#include "clipboard/ole_picture.h"
#include "support/unique_handle.h"

namespace morvane {

class CMemoryDC {
public:
    CMemoryDC();
    ~CMemoryDC();
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;

    // The selected bitmap. Writing attaches hBmp in place (not copied); a handle that is
    // not a valid graphics object throws InvalidHandleError and changes nothing.
    HBITMAP hBitmap() const { return m.CurrentBitmap; }
    void hBitmap(HBITMAP hBmp);

    // Height and width of the selected bitmap. Writing stores the requested size and, when
    // both requested sizes are positive, replaces the bitmap with a new, blank own one.
    std::int32_t Height() const { return m.BitmapInfo.bmHeight; }
    void Height(std::int32_t NewVal);
    std::int32_t Width() const { return m.BitmapInfo.bmWidth; }
    void Width(std::int32_t NewVal);

    // Reading gives a new picture that owns a copy of the bitmap (none if the picture
    // cannot be made); writing copies the picture's bitmap into a new own bitmap.
    OlePicture Picture() const;
    void Picture(const OlePicture& NewPict);

    // Row is the x coordinate, Col the y coordinate, from the top-left pixel. A colour with
    // bit 31 set names a system colour.
    COLORREF PixelColor(std::int32_t Row, std::int32_t Col) const;
    void PixelColor(std::int32_t Row, std::int32_t Col, COLORREF NewColor);

    bool TerminateKillsBitmap() const { return m.TerminateKillsBitmap; }
    void TerminateKillsBitmap(bool NewVal) { m.TerminateKillsBitmap = NewVal; }

    HDC hDC() const { return m.DeviceContext.Get(); }
    std::int32_t bmType() const { return m.BitmapInfo.bmType; }
    std::int32_t WidthBytes() const { return m.BitmapInfo.bmWidthBytes; }
    std::int16_t Planes() const { return static_cast<std::int16_t>(m.BitmapInfo.bmPlanes); }
    std::int16_t BitsPerPixel() const { return static_cast<std::int16_t>(m.BitmapInfo.bmBitsPixel); }
    void* Bits() const { return m.BitmapInfo.bmBits; }

private:
    static COLORREF ResolveSystemColor(COLORREF color);
    void RebuildBitmap();
    void AttachBitmap(HBITMAP handle);
    // Fills BitmapInfo from the selected bitmap; all zero when it describes nothing.
    void DescribeCurrentBitmap();
    // Selects PreviousBitmap back and deletes CurrentBitmap when it is our own and kill is set.
    void DeselectCurrentBitmap(bool deleteOwnBitmap);

    struct Fields {
        BITMAP BitmapInfo{};
        UniqueMemoryDc DeviceContext;
        HBITMAP CurrentBitmap = nullptr;
        bool BitmapIsAttached = false;
        HGDIOBJ PreviousBitmap = nullptr;
        std::int32_t RequestedWidth = 0;
        std::int32_t RequestedHeight = 0;
        bool TerminateKillsBitmap = true;
    } m;
};

}  // namespace morvane
