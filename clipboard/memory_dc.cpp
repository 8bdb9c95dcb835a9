#include "clipboard/memory_dc.h"

#include <olectl.h>

#include "clipboard/clipboard_errors.h"
#include "support/unique_handle.h"

namespace morvane {

#ifndef _WIN64
// The 32-bit records have the sizes that the graphics and OLE calls expect there.
static_assert(sizeof(BITMAP) == 24, "BITMAP is 24 bytes on 32-bit Windows");
static_assert(sizeof(PICTDESC) == 20, "PICTDESC is 20 bytes on 32-bit Windows");
#endif

namespace {

constexpr COLORREF kSystemColorFlag = 0x80000000u;

bool IsBitmapHandle(HBITMAP handle) {
    BITMAP scratch{};
    return handle != nullptr && GetObjectType(handle) == OBJ_BITMAP &&
           GetObjectA(handle, sizeof(BITMAP), &scratch) != 0;
}

}  // namespace

CMemoryDC::CMemoryDC() {
    {
        const WindowDc screen(GetDesktopWindow());
        m.DeviceContext.Reset(CreateCompatibleDC(screen.Get()));
    }
    m.RequestedWidth = 1;
    m.RequestedHeight = 1;
    RebuildBitmap();
    m.TerminateKillsBitmap = true;
}

CMemoryDC::~CMemoryDC() {
    if (m.CurrentBitmap) DeselectCurrentBitmap(m.TerminateKillsBitmap);
}  // the device context goes with its owner

void CMemoryDC::DeselectCurrentBitmap(bool deleteOwnBitmap) {
    SelectObject(m.DeviceContext.Get(), m.PreviousBitmap);
    if (!m.BitmapIsAttached && deleteOwnBitmap && m.CurrentBitmap) DeleteObject(m.CurrentBitmap);
}

void CMemoryDC::DescribeCurrentBitmap() {
    if (!m.CurrentBitmap || GetObjectA(m.CurrentBitmap, sizeof(BITMAP), &m.BitmapInfo) == 0)
        m.BitmapInfo = BITMAP{};  // no bitmap could be made: describe nothing rather than the old one
}

void CMemoryDC::RebuildBitmap() {
    if (m.RequestedWidth <= 0 || m.RequestedHeight <= 0) return;
    if (m.CurrentBitmap) DeselectCurrentBitmap(true);  // an own bitmap goes whatever the flag says
    {
        const WindowDc screen(GetDesktopWindow());
        m.CurrentBitmap = CreateCompatibleBitmap(screen.Get(), m.RequestedWidth, m.RequestedHeight);
        m.PreviousBitmap = SelectObject(m.DeviceContext.Get(), m.CurrentBitmap);
    }
    DescribeCurrentBitmap();
    m.BitmapIsAttached = false;
}

void CMemoryDC::AttachBitmap(HBITMAP handle) {
    DeselectCurrentBitmap(true);
    m.CurrentBitmap = handle;
    m.PreviousBitmap = SelectObject(m.DeviceContext.Get(), handle);
    DescribeCurrentBitmap();
    m.RequestedWidth = m.BitmapInfo.bmWidth;
    m.RequestedHeight = m.BitmapInfo.bmHeight;
    m.BitmapIsAttached = true;
}

void CMemoryDC::hBitmap(HBITMAP hBmp) {
    if (!IsBitmapHandle(hBmp)) throw InvalidHandleError();
    // Our own bitmap, already selected, stays as it is: attaching it would delete it. An
    // attached bitmap is attached again, which resets the size asked for to its own.
    if (hBmp == m.CurrentBitmap && !m.BitmapIsAttached) return;
    AttachBitmap(hBmp);
}

void CMemoryDC::Height(std::int32_t NewVal) {
    m.RequestedHeight = NewVal;
    RebuildBitmap();
}

void CMemoryDC::Width(std::int32_t NewVal) {
    m.RequestedWidth = NewVal;
    RebuildBitmap();
}

void CMemoryDC::Picture(const OlePicture& NewPict) {
    const auto handle = static_cast<HBITMAP>(NewPict.Handle());
    CMemoryDC source;
    source.hBitmap(handle);  // a picture without a bitmap fails here, before anything changes
    m.RequestedHeight = source.Height();
    m.RequestedWidth = source.Width();
    RebuildBitmap();
    BitBlt(m.DeviceContext.Get(), 0, 0, m.RequestedWidth, m.RequestedHeight, source.hDC(), 0, 0, SRCCOPY);
}

OlePicture CMemoryDC::Picture() const {
    UniqueBitmap copy([this] {
        CMemoryDC target;
        target.Height(m.RequestedHeight);
        target.Width(m.RequestedWidth);
        target.TerminateKillsBitmap(false);
        BitBlt(target.hDC(), 0, 0, m.RequestedWidth, m.RequestedHeight, m.DeviceContext.Get(), 0, 0, SRCCOPY);
        return target.hBitmap();  // survives the target: it no longer kills its bitmap
    }());
    if (!copy) return {};

    PICTDESC description{};
    description.cbSizeofstruct = sizeof(PICTDESC);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = copy.Get();
    description.bmp.hpal = nullptr;
    IDispatch* created = nullptr;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IDispatch, TRUE, reinterpret_cast<void**>(&created))) ||
        !created)
        return {};  // the copy is deleted with its owner
    copy.Detach();  // the picture owns it now and deletes it when it is released

    IPictureDisp* picture = nullptr;
    created->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(&picture));
    created->Release();
    return OlePicture::Adopt(picture);
}

COLORREF CMemoryDC::PixelColor(std::int32_t Row, std::int32_t Col) const {
    return GetPixel(m.DeviceContext.Get(), Row, Col);
}

void CMemoryDC::PixelColor(std::int32_t Row, std::int32_t Col, COLORREF NewColor) {
    SetPixel(m.DeviceContext.Get(), Row, Col, ResolveSystemColor(NewColor));
}

COLORREF CMemoryDC::ResolveSystemColor(COLORREF color) {
    if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & ~kSystemColorFlag));
    return color;
}

}  // namespace morvane
