#pragma once
// What a photograph of a picture button shows of its picture: where the picture is, the size
// it is drawn at, and whether its light grey lets the face beside it show through.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "screen_photo.h"

namespace morvane::e2e {

inline constexpr COLORREF kLightGrey = RGB(192, 192, 192);
inline constexpr int kSourceSize = 16;

// A button picture as the program's file holds it: 16 x 16 colours, rows from the top.
struct SourcePicture {
    std::array<COLORREF, kSourceSize * kSourceSize> pixels{};
    COLORREF At(int x, int y) const;  // light grey outside the picture
};

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

// Finds the picture by its ink, places it by the size it should have, and compares each pixel
// well inside its light grey with the face just left of the picture on the same row.
PictureOnButton Inspect(const ScreenPhoto& button, const SourcePicture& source, int expectedSize);
std::string Describe(const PictureOnButton& seen);  // for messages

// The button photographed once it is painted, its picture shows and `ready` (if any) holds.
PictureOnButton PhotographPicture(HWND button, const SourcePicture& source, int expectedSize,
                                  const std::function<bool(const PictureOnButton&)>& ready = nullptr);

}  // namespace morvane::e2e
