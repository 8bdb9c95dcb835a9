#include "screen_photo.h"

#include <cstdio>

#include "program_driver.h"
#include "support/unique_handle.h"

namespace morvane::e2e {

ScreenPhoto::ScreenPhoto(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    const WindowDc screen(nullptr);
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
    void* bits = nullptr;
    const UniqueBitmap copy(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!screen.Get() || !memory || !copy) return;
    const HGDIOBJ previous = SelectObject(memory.Get(), copy.Get());
    const bool copied = BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    SelectObject(memory.Get(), previous);
    if (!copied) return;
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(first, first + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    width_ = width;
    height_ = height;
}

COLORREF ScreenPhoto::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const std::uint32_t pixel = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                        static_cast<std::size_t>(x)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

ScreenPhoto PhotographWhen(HWND window, const std::function<bool(const ScreenPhoto&)>& ready) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    WaitUntilIdle(window);
    ScreenPhoto previous, photo;
    WaitUntil([&] {
        // A window of this thread reaches the screen once its messages have been handled.
        for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        RECT area{};
        GetWindowRect(window, &area);
        previous = std::move(photo);
        photo = ScreenPhoto(area);
        return photo.Width() > 0 && photo == previous && ready(photo);
    });
    return photo;
}

std::string ColourText(COLORREF colour) {
    if (colour == CLR_INVALID) return "(outside)";
    char text[8];
    std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

}  // namespace morvane::e2e
