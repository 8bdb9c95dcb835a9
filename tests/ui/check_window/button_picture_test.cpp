// The picture buttons' light grey becomes the button face; other colours stay.
#include "ui/check_window/button_picture.h"

#include <gtest/gtest.h>

#include <tuple>

#include "res/resource_ids.h"

namespace morvane {
namespace {

// The colour table entry at `index`, as (red, green, blue).
std::tuple<int, int, int> TableEntry(HBITMAP bitmap, UINT index) {
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ previous = SelectObject(dc.Get(), bitmap);
    RGBQUAD entry{};
    GetDIBColorTable(dc.Get(), index, 1, &entry);
    SelectObject(dc.Get(), previous);
    return {entry.rgbRed, entry.rgbGreen, entry.rgbBlue};
}

TEST(ButtonPicture, LightGreyTakesTheFaceColourAndNothingElseChanges) {
    // A 16-colour DIB section whose table holds black, light grey, dark blue and dark grey.
    struct {
        BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), 16, 16, 1, 4, BI_RGB, 0, 0, 0, 4, 0};
        RGBQUAD colours[16] = {{0, 0, 0, 0}, {192, 192, 192, 0}, {128, 0, 0, 0}, {128, 128, 128, 0}};
    } info;
    void* bits = nullptr;
    const UniqueBitmap picture(
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(picture);
    EXPECT_EQ(MapLightGreyTo(picture.Get(), RGB(10, 20, 30)), 1);
    EXPECT_EQ(TableEntry(picture.Get(), 1), std::tuple(10, 20, 30));
    EXPECT_EQ(TableEntry(picture.Get(), 2), std::tuple(0, 0, 128));
    EXPECT_EQ(TableEntry(picture.Get(), 3), std::tuple(128, 128, 128));
    EXPECT_EQ(MapLightGreyTo(picture.Get(), RGB(10, 20, 30)), 0);  // no light grey left

    // The program's pictures, 16 x 16, are loaded with their light grey already turned.
    for (const int id : {IDB_CHECK, IDB_COPY}) {
        const UniqueBitmap loaded = LoadButtonPicture(GetModuleHandleW(nullptr), id);
        BITMAP size{};
        ASSERT_TRUE(GetObjectW(loaded.Get(), sizeof(size), &size)) << id;
        EXPECT_EQ(std::tuple(size.bmWidth, size.bmHeight), std::tuple(16L, 16L)) << id;
        EXPECT_EQ(MapLightGreyTo(loaded.Get(), RGB(1, 2, 3)), 0) << id;
    }
}

}  // namespace
}  // namespace morvane
