#pragma once
// A picture button photographed as the display shows it (its own drawing and the system's
// together), and what the photograph shows of its picture: where the picture is, the size it
// is drawn at, and whether its light grey lets the face beside it show through.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace morvane::e2e {

// A part of the screen, read back pixel by pixel.
struct ScreenPhoto {
    // The colour at (x, y) from the area's top left corner; `outside` outside it.
    COLORREF At(int x, int y, COLORREF outside = CLR_INVALID) const;
    bool operator==(const ScreenPhoto&) const = default;

    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows from the top
};

// "#RRGGBB", for messages.
std::string ColourText(COLORREF colour);

inline constexpr COLORREF kLightGrey = RGB(192, 192, 192);
inline constexpr int kSourceSize = 16;

// A button picture as the program's file holds it: 16 x 16 colours, rows from the top.
using SourcePicture = ScreenPhoto;

// The bitmap resource of the module.
std::optional<SourcePicture> LoadSourcePicture(HMODULE module, int resourceId);

struct PictureOnButton {
    bool found = false;            // its ink (black, dark blue) is on the button, away from the edge
    bool painted = false;          // the face beside it is not the black of a button not yet drawn
    double width = 0, height = 0;  // the size it is drawn at, worked out from its ink
    COLORREF face = CLR_INVALID;   // just left of the picture, on its middle row
    int greyPixels = 0, unlikeFace = 0;  // inside its light grey; unlike the face beside on the row
    std::string firstUnlike;
};

std::string Describe(const PictureOnButton& seen);  // for messages

// The button photographed once it is painted, its picture shows and `ready` (if any) holds.
PictureOnButton PhotographPicture(HWND button, const SourcePicture& source, int expectedSize,
                                  const std::function<bool(const PictureOnButton&)>& ready = nullptr);

}  // namespace morvane::e2e
