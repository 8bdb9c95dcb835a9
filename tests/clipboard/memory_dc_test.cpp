// CMemoryDC against the real graphics calls: sizes, the two states and who deletes which
// bitmap, pixels, pictures and the "Invalid handle." error.
#include <gtest/gtest.h>

#include <vector>

#include "clipboard/clipboard_errors.h"
#include "clipboard/memory_dc.h"
#include "clipboard_test_support.h"

namespace morvane {
namespace {

using test::PixelOf;
using test::SizeOf;

constexpr COLORREF kRed = 0x000000FF, kBlue = 0x00FF0000, kBlack = 0;

bool IsLiveBitmap(HBITMAP bitmap) { return GetObjectType(bitmap) == OBJ_BITMAP; }

// A bitmap made outside any CMemoryDC, all blue; the caller deletes it.
HBITMAP NewBlueBitmap(int width, int height) {
    const std::vector<DWORD> pixels(width * height, 0x000000FF);  // blue as a 32-bit pixel
    return CreateBitmap(width, height, 1, 32, pixels.data());
}

// A picture that holds an icon, not a bitmap.
OlePicture IconPicture() {
    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_ICON;
    description.icon.hicon = LoadIcon(nullptr, IDI_APPLICATION);
    IPictureDisp* picture = nullptr;
    OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE, reinterpret_cast<void**>(&picture));
    return OlePicture::Adopt(picture);
}

TEST(MemoryDC, NewObjectIsOnePixelAtTheScreensDepth) {
    CMemoryDC dc;
    HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(dc.Width(), 1);
    EXPECT_EQ(dc.Height(), 1);
    EXPECT_TRUE(dc.TerminateKillsBitmap());
    EXPECT_EQ(dc.BitsPerPixel() * dc.Planes(), depth);
    EXPECT_EQ(dc.bmType(), 0);
    EXPECT_GE(dc.WidthBytes(), 1);
    EXPECT_EQ(GetCurrentObject(dc.hDC(), OBJ_BITMAP), dc.hBitmap());
}

TEST(MemoryDC, SizeWritesMakeANewBitmapOnlyWhenBothSizesArePositive) {
    CMemoryDC dc;
    dc.Width(5);
    dc.Height(4);
    HBITMAP fiveByFour = dc.hBitmap();
    EXPECT_EQ(SizeOf(fiveByFour).cx, 5);
    dc.hBitmap(fiveByFour);  // reattaching the selected own bitmap changes nothing
    EXPECT_TRUE(IsLiveBitmap(fiveByFour));

    dc.Width(0);
    dc.Height(-3);
    EXPECT_EQ(dc.hBitmap(), fiveByFour);
    EXPECT_EQ(dc.Width(), 5);
    EXPECT_EQ(dc.Height(), 4);

    dc.Height(6);  // the width asked for is still 0: nothing is made
    EXPECT_EQ(dc.hBitmap(), fiveByFour);
    dc.Width(7);
    EXPECT_EQ(dc.Width(), 7);
    EXPECT_EQ(dc.Height(), 6);
    EXPECT_FALSE(IsLiveBitmap(fiveByFour));  // a replaced own bitmap is deleted
}

TEST(MemoryDC, AttachedBitmapIsUsedInPlaceAndNeverDeleted) {
    HBITMAP outside = NewBlueBitmap(20, 30);
    for (bool kills : {true, false}) {
        CMemoryDC dc;
        dc.hBitmap(outside);
        dc.TerminateKillsBitmap(kills);
        EXPECT_EQ(dc.hBitmap(), outside);
        EXPECT_EQ(dc.Width(), 20);
        EXPECT_EQ(dc.Height(), 30);
        EXPECT_EQ(dc.PixelColor(19, 29), kBlue);
        dc.Width(0);
        dc.hBitmap(outside);  // attached again: the size asked for is the bitmap's own again
        const SIZE pictured = SizeOf(static_cast<HBITMAP>(dc.Picture().Handle()));
        EXPECT_EQ(std::pair(pictured.cx, pictured.cy), std::pair(20L, 30L));
    }
    ASSERT_TRUE(IsLiveBitmap(outside));
    EXPECT_EQ(PixelOf(outside, 0, 0), kBlue);  // deselected: another context can select it
    {
        CMemoryDC dc;
        dc.hBitmap(outside);
        dc.Width(50);
        EXPECT_NE(dc.hBitmap(), outside);
        EXPECT_EQ(dc.Width(), 50);
        EXPECT_EQ(dc.Height(), 30);
    }
    EXPECT_EQ(PixelOf(outside, 0, 0), kBlue);
    DeleteObject(outside);
}

TEST(MemoryDC, DestructionDeletesAnOwnBitmapOnlyWhenAskedTo) {
    HBITMAP kept = nullptr, killed = nullptr;
    {
        CMemoryDC keeps;
        keeps.TerminateKillsBitmap(false);
        kept = keeps.hBitmap();
        CMemoryDC kills;
        killed = kills.hBitmap();
    }
    EXPECT_TRUE(IsLiveBitmap(kept));
    EXPECT_FALSE(IsLiveBitmap(killed));
    DeleteObject(kept);
}

TEST(MemoryDC, PixelColorTakesXThenYAndResolvesSystemColours) {
    CMemoryDC dc;
    dc.Width(10);
    dc.Height(10);
    PatBlt(dc.hDC(), 0, 0, 10, 10, BLACKNESS);
    dc.PixelColor(3, 7, kRed);
    EXPECT_EQ(GetPixel(dc.hDC(), 3, 7), kRed);
    EXPECT_EQ(dc.PixelColor(3, 7), kRed);
    EXPECT_EQ(dc.PixelColor(7, 3), kBlack);

    dc.PixelColor(1, 1, 0x80000005);
    EXPECT_EQ(dc.PixelColor(1, 1), GetSysColor(COLOR_WINDOW));
}

TEST(MemoryDC, EveryPictureIsAnIndependentCopyThatRoundTrips) {
    CMemoryDC source;
    source.Width(13);
    source.Height(9);
    PatBlt(source.hDC(), 0, 0, 13, 9, WHITENESS);
    source.PixelColor(12, 8, kBlue);
    const OlePicture first = source.Picture(), second = source.Picture();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first.Type(), PICTYPE_BITMAP);
    auto firstBitmap = static_cast<HBITMAP>(first.Handle());
    EXPECT_NE(firstBitmap, static_cast<HBITMAP>(second.Handle()));
    EXPECT_NE(firstBitmap, source.hBitmap());
    source.PixelColor(12, 8, kRed);
    EXPECT_EQ(PixelOf(firstBitmap, 12, 8), kBlue);
    EXPECT_EQ(PixelOf(static_cast<HBITMAP>(second.Handle()), 12, 8), kBlue);

    CMemoryDC copy;
    copy.Picture(first);
    EXPECT_EQ(copy.Width(), 13);
    EXPECT_EQ(copy.Height(), 9);
    EXPECT_EQ(copy.PixelColor(12, 8), kBlue);
    EXPECT_NE(copy.hBitmap(), firstBitmap);  // an own copy
    EXPECT_EQ(SizeOf(static_cast<HBITMAP>(copy.Picture().Handle())).cy, 9);
}

TEST(MemoryDC, InvalidHandleLeavesTheObjectAsItWas) {
    CMemoryDC dc;
    dc.Width(6);
    dc.Height(2);
    const HBITMAP before = dc.hBitmap();
    HBRUSH brush = CreateSolidBrush(kRed);
    const HBITMAP notBitmaps[] = {nullptr, reinterpret_cast<HBITMAP>(brush)};
    for (HBITMAP handle : notBitmaps) {
        try {
            dc.hBitmap(handle);
            ADD_FAILURE() << "no error for handle " << handle;
        } catch (const InvalidHandleError& error) {
            EXPECT_EQ(error.Number(), 0x80040001u);
            EXPECT_EQ(error.Source(), L"CMemoryDC.hBitmap");
            EXPECT_EQ(error.Description(), L"Invalid handle.");
        }
        EXPECT_EQ(dc.hBitmap(), before);
        EXPECT_EQ(dc.Width(), 6);
        EXPECT_EQ(dc.Height(), 2);
    }
    DeleteObject(brush);

    EXPECT_THROW(dc.Picture(IconPicture()), InvalidHandleError);
    EXPECT_THROW(dc.Picture(OlePicture()), NoPictureError);
    EXPECT_EQ(dc.hBitmap(), before);
    EXPECT_TRUE(IsLiveBitmap(before));
    // The size asked for is unchanged too: a picture read is still 6 x 2.
    EXPECT_EQ(SizeOf(static_cast<HBITMAP>(dc.Picture().Handle())).cx, 6);
}

}  // namespace
}  // namespace morvane
