#pragma once
// A part of the screen as the display shows it, read back pixel by pixel: what the user sees
// of a window, its own drawing and the system's together.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace morvane::e2e {

class ScreenPhoto {
public:
    ScreenPhoto() = default;
    explicit ScreenPhoto(const RECT& area);  // in screen coordinates

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The colour at (x, y) from the area's top left corner; CLR_INVALID outside it.
    COLORREF At(int x, int y) const;
    bool operator==(const ScreenPhoto&) const = default;

private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, rows from the top
};

// The window's area photographed once the window has been painted again, shows what `ready`
// looks for and looks the same in two photographs in a row; the last photograph taken when
// that does not come within the driver's patience.
ScreenPhoto PhotographWhen(HWND window, const std::function<bool(const ScreenPhoto&)>& ready);

// "#RRGGBB", for messages.
std::string ColourText(COLORREF colour);

}  // namespace morvane::e2e
