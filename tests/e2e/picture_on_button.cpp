#include "picture_on_button.h"

#include <algorithm>
#include <cmath>

#include "support/unique_handle.h"

namespace morvane::e2e {
namespace {

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // inclusive; empty when right < left
    void Add(int x, int y) {
        left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
    }
    bool Empty() const { return right < left; }
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

bool GreyAround(const SourcePicture& source, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (source.At(x + dx, y + dy) != kLightGrey) return false;
    return true;
}

}  // namespace

COLORREF SourcePicture::At(int x, int y) const {
    const bool inside = x >= 0 && y >= 0 && x < kSourceSize && y < kSourceSize;
    return inside ? pixels[static_cast<std::size_t>(y * kSourceSize + x)] : kLightGrey;
}

std::optional<SourcePicture> LoadSourcePicture(HMODULE module, int resourceId) {
    const UniqueBitmap bitmap(static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap) return std::nullopt;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSourceSize, -kSourceSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::array<std::uint32_t, kSourceSize * kSourceSize> bits{};
    const WindowDc screen(nullptr);
    if (GetDIBits(screen.Get(), bitmap.Get(), 0, kSourceSize, bits.data(), &info, DIB_RGB_COLORS) != kSourceSize)
        return std::nullopt;
    SourcePicture picture;
    for (std::size_t i = 0; i < bits.size(); ++i)
        picture.pixels[i] = RGB((bits[i] >> 16) & 0xFF, (bits[i] >> 8) & 0xFF, bits[i] & 0xFF);
    return picture;
}

PictureOnButton Inspect(const ScreenPhoto& button, const SourcePicture& source, int expectedSize) {
    PictureOnButton seen;
    Box sourceInk, drawnInk;
    for (int y = 0; y < kSourceSize; ++y)
        for (int x = 0; x < kSourceSize; ++x)
            if (SourcePicture::IsInk(source.At(x, y))) sourceInk.Add(x, y);
    constexpr int kEdge = 3;  // the button's frame
    for (int y = kEdge; y < button.Height() - kEdge; ++y)
        for (int x = kEdge; x < button.Width() - kEdge; ++x)
            if (SourcePicture::IsInk(button.At(x, y))) drawnInk.Add(x, y);
    if (sourceInk.Empty() || drawnInk.Empty()) return seen;
    seen.found = true;
    seen.width = drawnInk.Width() * double(kSourceSize) / sourceInk.Width();
    seen.height = drawnInk.Height() * double(kSourceSize) / sourceInk.Height();
    const double scale = double(expectedSize) / kSourceSize;
    const int left = drawnInk.left - int(std::lround(sourceInk.left * scale));
    const int top = drawnInk.top - int(std::lround(sourceInk.top * scale));
    const int faceX = left - 2;  // outside the picture even if its place is a pixel off
    seen.face = button.At(faceX, top + expectedSize / 2);
    for (int sy = 0; sy < kSourceSize; ++sy) {
        for (int sx = 0; sx < kSourceSize; ++sx) {
            if (!GreyAround(source, sx, sy)) continue;
            const int x = left + int((sx + 0.5) * scale), y = top + int((sy + 0.5) * scale);
            const COLORREF drawn = button.At(x, y), face = button.At(faceX, y);
            ++seen.greyPixels;
            if (drawn == face) continue;
            if (seen.unlikeFace++ == 0)
                seen.firstUnlike = "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " + ColourText(drawn) +
                                   ", the face beside it " + ColourText(face);
        }
    }
    return seen;
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
        // Until the button is painted its area may show the screen's black, taken for ink.
        const PictureOnButton seen = Inspect(shot, source, expectedSize);
        const bool painted = seen.found && seen.face != CLR_INVALID && !SourcePicture::IsInk(seen.face);
        return painted && (!ready || ready(seen));
    });
    return Inspect(photo, source, expectedSize);
}

}  // namespace morvane::e2e
