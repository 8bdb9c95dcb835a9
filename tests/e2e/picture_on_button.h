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
    // Light grey outside the picture.
    COLORREF At(int x, int y) const;
    // Black and dark blue: drawn as they are in every look, so they show where the picture is.
    static bool IsInk(COLORREF colour) { return colour == RGB(0, 0, 0) || colour == RGB(0, 0, 128); }
};

// The bitmap resource of the module (a program loaded as data, or the test itself).
std::optional<SourcePicture> LoadSourcePicture(HMODULE module, int resourceId);

struct PictureOnButton {
    bool found = false;            // its ink is on the button
    double width = 0, height = 0;  // the size it is drawn at, worked out from its ink
    COLORREF face = CLR_INVALID;   // just left of the picture, on its middle row
    int greyPixels = 0, unlikeFace = 0;
    std::string firstUnlike;       // where and what, for the message
};

// Finds the picture by its ink (away from the button's edge), places it by the size it
// should have, and compares each pixel well inside its light grey with the face just left of
// the picture on the same row.
PictureOnButton Inspect(const ScreenPhoto& button, const SourcePicture& source, int expectedSize);

// For messages: the size seen and the pixels unlike the face.
std::string Describe(const PictureOnButton& seen);

// The button photographed once it is painted, its picture shows and `ready` (if any) holds.
PictureOnButton PhotographPicture(HWND button, const SourcePicture& source, int expectedSize,
                                  const std::function<bool(const PictureOnButton&)>& ready = nullptr);

}  // namespace morvane::e2e
