#pragma once
// Small owners for the graphics handles the clipboard library holds for one operation.
#include <windows.h>

namespace morvane {

// The screen's device context, held for one operation and released to the desktop window.
class ScreenDC {
public:
    ScreenDC() : window_(GetDesktopWindow()), dc_(GetDC(window_)) {}
    ~ScreenDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A bitmap this code owns until it hands it on with release().
class OwnedBitmap {
public:
    explicit OwnedBitmap(HBITMAP bitmap = nullptr) : bitmap_(bitmap) {}
    ~OwnedBitmap() {
        if (bitmap_) DeleteObject(bitmap_);
    }
    OwnedBitmap(const OwnedBitmap&) = delete;
    OwnedBitmap& operator=(const OwnedBitmap&) = delete;
    HBITMAP get() const { return bitmap_; }
    HBITMAP release() {
        HBITMAP bitmap = bitmap_;
        bitmap_ = nullptr;
        return bitmap;
    }

private:
    HBITMAP bitmap_;
};

}  // namespace morvane
