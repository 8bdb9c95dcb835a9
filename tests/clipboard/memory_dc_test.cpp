// CMemoryDC against the real graphics calls: sizes, the two states and who deletes which
// bitmap, pixels, pictures and the "Invalid handle." error.
#include <gtest/gtest.h>

#include "clipboard/clipboard_errors.h"
#include "clipboard/memory_dc.h"
#include "clipboard_test_support.h"

namespace morvane {
namespace {

using test::NewFilledBitmap;
using test::PixelOf;
using test::SizeOf;

constexpr COLORREF kRed = 0x000000FF, kBlue = 0x00FF0000, kBlack = 0;

bool IsLiveBitmap(HBITMAP bitmap) { return GetObjectType(bitmap) == OBJ_BITMAP; }

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

TEST(MemoryDC, AttachedBitmapIsUsedInPlaceThenOnlyDeselected) {
    HBITMAP outside = NewFilledBitmap(20, 30, kBlue);
    {
        CMemoryDC dc;
        dc.hBitmap(outside);
        EXPECT_EQ(dc.hBitmap(), outside);
        EXPECT_EQ(dc.Width(), 20);
        EXPECT_EQ(dc.Height(), 30);
        EXPECT_EQ(dc.PixelColor(19, 29), kBlue);

        dc.Width(50);
        EXPECT_NE(dc.hBitmap(), outside);
        EXPECT_EQ(dc.Width(), 50);
        EXPECT_EQ(dc.Height(), 30);
    }
    ASSERT_TRUE(IsLiveBitmap(outside));
    EXPECT_EQ(PixelOf(outside, 0, 0), kBlue);  // deselected: another context can select it
    DeleteObject(outside);
}

TEST(MemoryDC, DestructionDeletesOnlyAnOwnBitmapAndOnlyWhenAskedTo) {
    HBITMAP outside = NewFilledBitmap(2, 2, kRed);
    for (bool kills : {true, false}) {
        CMemoryDC dc;
        dc.hBitmap(outside);
        dc.TerminateKillsBitmap(kills);
    }
    EXPECT_TRUE(IsLiveBitmap(outside));
    DeleteObject(outside);

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

TEST(MemoryDC, ReattachingTheSelectedBitmapChangesNothing) {
    CMemoryDC dc;
    dc.Width(3);
    HBITMAP own = dc.hBitmap();
    dc.hBitmap(own);
    EXPECT_TRUE(IsLiveBitmap(own));
    EXPECT_EQ(dc.hBitmap(), own);
    EXPECT_EQ(dc.Width(), 3);
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

TEST(MemoryDC, EveryPictureReadIsAnIndependentCopy) {
    CMemoryDC dc;
    dc.Width(4);
    dc.Height(3);
    PatBlt(dc.hDC(), 0, 0, 4, 3, BLACKNESS);
    dc.PixelColor(0, 0, kRed);
    OlePicture first = dc.Picture(), second = dc.Picture();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first.Type(), PICTYPE_BITMAP);
    auto firstBitmap = static_cast<HBITMAP>(first.Handle()), secondBitmap = static_cast<HBITMAP>(second.Handle());
    EXPECT_NE(firstBitmap, secondBitmap);
    EXPECT_NE(firstBitmap, dc.hBitmap());

    dc.PixelColor(0, 0, kBlue);
    EXPECT_EQ(PixelOf(firstBitmap, 0, 0), kRed);
    EXPECT_EQ(PixelOf(secondBitmap, 0, 0), kRed);
    EXPECT_EQ(SizeOf(firstBitmap).cx, 4);
    EXPECT_EQ(SizeOf(firstBitmap).cy, 3);
}

TEST(MemoryDC, PictureRoundTripKeepsSizeAndPixels) {
    CMemoryDC source;
    source.Width(13);
    source.Height(9);
    PatBlt(source.hDC(), 0, 0, 13, 9, WHITENESS);
    source.PixelColor(12, 8, kBlue);
    const OlePicture picture = source.Picture();

    CMemoryDC copy;
    copy.Picture(picture);
    EXPECT_EQ(copy.Width(), 13);
    EXPECT_EQ(copy.Height(), 9);
    EXPECT_EQ(copy.PixelColor(12, 8), kBlue);
    EXPECT_NE(copy.hBitmap(), static_cast<HBITMAP>(picture.Handle()));  // an own copy
    const OlePicture again = copy.Picture();
    EXPECT_EQ(SizeOf(static_cast<HBITMAP>(again.Handle())).cx, 13);
    EXPECT_EQ(SizeOf(static_cast<HBITMAP>(again.Handle())).cy, 9);
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
