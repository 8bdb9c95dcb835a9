#include "picture_on_button.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "program_driver.h"
#include "support/unique_handle.h"

namespace morvane::e2e {
namespace {

// The area of the screen (in screen coordinates) as the display shows it; empty if it cannot be read.
ScreenPhoto PhotographArea(const RECT& area) {
    ScreenPhoto photo{area.right - area.left, area.bottom - area.top, {}};
    if (photo.width <= 0 || photo.height <= 0) return {};
    const WindowDc screen(nullptr);
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), photo.width, -photo.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
    void* bits = nullptr;
    const UniqueBitmap copy(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!screen.Get() || !memory || !copy) return {};
    const HGDIOBJ previous = SelectObject(memory.Get(), copy.Get());
    const bool copied =
        BitBlt(memory.Get(), 0, 0, photo.width, photo.height, screen.Get(), area.left, area.top, SRCCOPY);
    SelectObject(memory.Get(), previous);
    if (!copied) return {};
    const auto* first = static_cast<const std::uint32_t*>(bits);
    photo.pixels.assign(first, first + static_cast<std::size_t>(photo.width) * static_cast<std::size_t>(photo.height));
    return photo;
}

// The window's area photographed once the window has been painted again, shows what `ready`
// looks for and looks the same in two photographs in a row; the last photograph taken when
// that does not come within the driver's patience.
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
        photo = PhotographArea(area);
        return photo.width > 0 && photo == previous && ready(photo);
    });
    return photo;
}

// The smallest rectangle holding the pixels of the w x h area that `ink` says are ink, from
// `edge` pixels in; right < left when there are none.
RECT InkBox(int width, int height, int edge, const std::function<bool(int, int)>& ink) {
    RECT box{width, height, -1, -1};
    for (int y = edge; y < height - edge; ++y)
        for (int x = edge; x < width - edge; ++x)
            if (ink(x, y)) box = {std::min(box.left, LONG(x)), std::min(box.top, LONG(y)),
                                  std::max(box.right, LONG(x)), std::max(box.bottom, LONG(y))};
    return box;
}

// Finds the picture by its ink, places it by the size it should have, and compares each pixel
// well inside its light grey with the face just left of the picture on the same row.
PictureOnButton Inspect(const ScreenPhoto& button, const SourcePicture& source, int expectedSize) {
    const auto isInk = [](COLORREF colour) { return colour == RGB(0, 0, 0) || colour == RGB(0, 0, 128); };
    const RECT from = InkBox(kSourceSize, kSourceSize, 0, [&](int x, int y) { return isInk(source.At(x, y)); });
    const RECT drawn =
        InkBox(button.width, button.height, 3, [&](int x, int y) { return isInk(button.At(x, y)); });
    PictureOnButton seen;
    if (from.right < from.left || drawn.right < drawn.left) return seen;
    seen.found = true;
    seen.width = (drawn.right - drawn.left + 1) * double(kSourceSize) / (from.right - from.left + 1);
    seen.height = (drawn.bottom - drawn.top + 1) * double(kSourceSize) / (from.bottom - from.top + 1);
    const double scale = double(expectedSize) / kSourceSize;
    const int left = drawn.left - int(std::lround(from.left * scale));
    const int top = drawn.top - int(std::lround(from.top * scale));
    const int faceX = left - 2;  // outside the picture even if its place is a pixel off
    seen.face = button.At(faceX, top + expectedSize / 2);
    seen.painted = seen.face != CLR_INVALID && !isInk(seen.face);
    for (int sy = 0; sy < kSourceSize; ++sy) {
        for (int sx = 0; sx < kSourceSize; ++sx) {
            // Light grey with light grey all round, so whichever source pixel a screen pixel is
            // enlarged from, it is light grey.
            bool greyAround = true;
            for (int d = 0; d < 9; ++d)
                greyAround = greyAround && source.At(sx + d % 3 - 1, sy + d / 3 - 1, kLightGrey) == kLightGrey;
            if (!greyAround) continue;
            const int x = left + int((sx + 0.5) * scale), y = top + int((sy + 0.5) * scale);
            ++seen.greyPixels;
            if (button.At(x, y) == button.At(faceX, y) || seen.unlikeFace++ > 0) continue;
            seen.firstUnlike = "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                               ColourText(button.At(x, y)) + ", the face beside it " + ColourText(button.At(faceX, y));
        }
    }
    return seen;
}

}  // namespace

COLORREF ScreenPhoto::At(int x, int y, COLORREF outside) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return outside;
    const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                       static_cast<std::size_t>(x)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::string ColourText(COLORREF colour) {
    if (colour == CLR_INVALID) return "(outside)";
    char text[8];
    std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

std::optional<SourcePicture> LoadSourcePicture(HMODULE module, int resourceId) {
    const UniqueBitmap bitmap(static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSourceSize, -kSourceSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SourcePicture picture{kSourceSize, kSourceSize, std::vector<std::uint32_t>(kSourceSize * kSourceSize)};
    const WindowDc screen(nullptr);
    if (!bitmap || GetDIBits(screen.Get(), bitmap.Get(), 0, kSourceSize, picture.pixels.data(), &info, 0) < kSourceSize)
        return std::nullopt;
    return picture;
}

std::string Describe(const PictureOnButton& seen) {
    if (!seen.found) return "no picture found on the button";
    char size[64];
    std::snprintf(size, sizeof(size), "%.1f x %.1f", seen.width, seen.height);
    return std::string("picture drawn at about ") + size + ", face " + ColourText(seen.face) + ", " +
           std::to_string(seen.unlikeFace) + " of " + std::to_string(seen.greyPixels) +
           " light grey pixels unlike the face" + (seen.unlikeFace ? ", first " + seen.firstUnlike : "");
}

PictureOnButton PhotographPicture(HWND button, const SourcePicture& source, int expectedSize,
                                  const std::function<bool(const PictureOnButton&)>& ready) {
    const ScreenPhoto photo = PhotographWhen(button, [&](const ScreenPhoto& shot) {
        const PictureOnButton seen = Inspect(shot, source, expectedSize);
        return seen.found && seen.painted && (!ready || ready(seen));
    });
    return Inspect(photo, source, expectedSize);
}

}  // namespace morvane::e2e
