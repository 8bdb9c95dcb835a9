// CMemoryDC and pictures through the clipboard, against the real graphics, OLE and clipboard
// calls: sizes, the two states and who deletes which bitmap, pixels, independent copies, and
// the paths where the clipboard must not be touched or a copy must not be left behind.
#include <gtest/gtest.h>

#include <vector>

#include "clipboard/clipboard.h"
#include "clipboard/clipboard_errors.h"
#include "clipboard/memory_dc.h"
#include "clipboard_test_support.h"
#include "support/unique_handle.h"

namespace morvane {
namespace {

constexpr COLORREF kRed = 0x000000FF, kBlue = 0x00FF0000, kGreen = 0x0000FF00, kWhite = 0x00FFFFFF;
using Size = std::pair<int, int>;

bool IsLiveBitmap(HBITMAP bitmap) { return GetObjectType(bitmap) == OBJ_BITMAP; }
HBITMAP BitmapOf(const OlePicture& picture) { return static_cast<HBITMAP>(picture.Handle()); }
Size SizeOf(const CMemoryDC& dc) { return {dc.Width(), dc.Height()}; }

// The size of a bitmap that is not selected anywhere, and the colour of one of its pixels.
Size SizeOf(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}
COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    const UniqueMemoryDc memory(CreateCompatibleDC(nullptr));  // deleted, it lets the bitmap go
    SelectObject(memory.Get(), bitmap);
    return GetPixel(memory.Get(), x, y);
}

// A white memory context of this size.
void MakeWhite(CMemoryDC& dc, int width, int height) {
    dc.Width(width);
    dc.Height(height);
    PatBlt(dc.hDC(), 0, 0, width, height, WHITENESS);
}

// A handle that is no bitmap, a picture without one and sizes not both positive change nothing.
TEST(MemoryDC, NewObjectIsOnePixelAtScreenDepthAndOnlyPositiveSizesOrAValidBitmapReplaceItsOwn) {
    HBITMAP kept = nullptr, killed = nullptr;
    const UniqueBrush brush(CreateSolidBrush(kRed));
    {
        CMemoryDC keeps, dc;
        EXPECT_EQ(dc.BitsPerPixel() * dc.Planes(),
                  GetDeviceCaps(WindowDc(nullptr).Get(), BITSPIXEL) * GetDeviceCaps(WindowDc(nullptr).Get(), PLANES));
        EXPECT_EQ(SizeOf(dc), Size(1, 1));
        keeps.TerminateKillsBitmap(false);
        kept = keeps.hBitmap();

        dc.Width(5);
        dc.Height(4);
        const HBITMAP fiveByFour = dc.hBitmap();
        EXPECT_EQ(SizeOf(fiveByFour), Size(5, 4));
        dc.hBitmap(fiveByFour);  // reattaching the selected own bitmap changes nothing either
        for (HBITMAP handle : {HBITMAP{}, reinterpret_cast<HBITMAP>(brush.Get())})
            EXPECT_THROW(dc.hBitmap(handle), InvalidHandleError) << "handle " << handle;
        EXPECT_THROW(dc.Picture(OlePicture()), NoPictureError);
        EXPECT_TRUE(IsLiveBitmap(fiveByFour));
        dc.Width(0);
        dc.Height(-3);
        EXPECT_EQ(dc.hBitmap(), fiveByFour);
        EXPECT_EQ(SizeOf(dc), Size(5, 4));
        dc.Height(6);  // the width asked for is still 0: nothing is made
        EXPECT_EQ(dc.hBitmap(), fiveByFour);
        dc.Width(7);
        EXPECT_EQ(SizeOf(dc), Size(7, 6));
        EXPECT_FALSE(IsLiveBitmap(fiveByFour));  // a replaced own bitmap is deleted
        killed = dc.hBitmap();
    }
    EXPECT_TRUE(IsLiveBitmap(kept));
    EXPECT_FALSE(IsLiveBitmap(killed));
    DeleteObject(kept);
}

TEST(MemoryDC, AttachedBitmapIsUsedInPlaceAndNeverDeleted) {
    const std::vector<DWORD> bluePixels(20 * 30, 0x000000FF);
    const UniqueBitmap outside(CreateBitmap(20, 30, 1, 32, bluePixels.data()));
    for (bool kills : {true, false}) {
        CMemoryDC dc;
        dc.hBitmap(outside.Get());
        dc.TerminateKillsBitmap(kills);
        EXPECT_EQ(dc.hBitmap(), outside.Get());
        EXPECT_EQ(SizeOf(dc), Size(20, 30));
        EXPECT_EQ(dc.PixelColor(19, 29), kBlue);
        dc.Width(0);
        dc.hBitmap(outside.Get());  // attached again: the size asked for is the bitmap's own again
        EXPECT_EQ(SizeOf(BitmapOf(dc.Picture())), Size(20, 30));
    }
    ASSERT_TRUE(IsLiveBitmap(outside.Get()));
    EXPECT_EQ(PixelOf(outside.Get(), 0, 0), kBlue);  // deselected: another context can select it
}

// A picture read back into a context: the round trip through the clipboard below.
TEST(MemoryDC, PixelsTakeXThenYAndEveryPictureIsAnIndependentCopy) {
    CMemoryDC source;
    MakeWhite(source, 13, 9);
    source.PixelColor(12, 8, kBlue);
    source.PixelColor(3, 0, kRed);
    EXPECT_EQ(GetPixel(source.hDC(), 3, 0), kRed);
    EXPECT_EQ(std::pair(source.PixelColor(3, 0), source.PixelColor(0, 3)), std::pair(kRed, kWhite));
    source.PixelColor(1, 1, 0x80000005);  // a system colour
    EXPECT_EQ(source.PixelColor(1, 1), GetSysColor(COLOR_WINDOW));

    const OlePicture first = source.Picture();
    ASSERT_TRUE(first);
    EXPECT_EQ(first.Type(), PICTYPE_BITMAP);
    source.PixelColor(12, 8, kRed);
    EXPECT_EQ(PixelOf(BitmapOf(first), 12, 8), kBlue);
}

HBITMAP gOffered = nullptr;
bool gAccepting = true;
HBRUSH gBrush = nullptr;

// A picture goes through the clipboard in a copy of its own each way; the copy is the
// clipboard's once it takes it. Other formats, no picture and a picture that cannot be copied
// touch nothing; a refused copy is deleted, and the clipboard is always closed.
TEST(ClipboardPictures, RoundTripInCopiesAndFailuresTouchNothingOrLeaveNothingBehind) {
    test::EmptyTheClipboard();
    CMemoryDC dc;
    MakeWhite(dc, 16, 8);
    dc.PixelColor(15, 7, kGreen);
    dc.PixelColor(2, 1, kRed);
    const OlePicture picture = dc.Picture();
    CClipboard clipboard;
    ASSERT_TRUE(clipboard.SetData(picture));
    EXPECT_TRUE(clipboard.GetFormat(CF_BITMAP));
    const OlePicture back = clipboard.GetData(), again = clipboard.GetData();
    ASSERT_TRUE(back && again);
    EXPECT_NE(again.Handle(), back.Handle());  // the clipboard's bitmap is still there to read again
    const HBITMAP bitmap = BitmapOf(back);
    EXPECT_EQ(SizeOf(bitmap), Size(16, 8));
    EXPECT_EQ(std::pair(PixelOf(bitmap, 15, 7), PixelOf(bitmap, 2, 1)), std::pair(kGreen, kRed));
    {
        // A bitmap too large to copy at the screen's depth (4 GB), cheap in one bit per pixel.
        PICTDESC huge{sizeof huge, PICTYPE_BITMAP, {}};
        huge.bmp.hbitmap = CreateBitmap(32768, 32768, 1, 1, nullptr);
        IPictureDisp* hugePicture = nullptr;
        OleCreatePictureIndirect(&huge, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&hugePicture));
        test::RecordingCalls calls;
        EXPECT_FALSE(clipboard.GetData(CF_DIB));
        EXPECT_FALSE(clipboard.SetData(picture, CF_DIB));
        EXPECT_THROW(clipboard.SetData(OlePicture()), NoPictureError);
        EXPECT_FALSE(clipboard.SetData(OlePicture::Adopt(hugePicture))) << "no copy was made, yet it was offered";
        EXPECT_TRUE(calls.Log().empty());
    }
    // A played clipboard takes the copy, which is its own from then on (the real one keeps the
    // bitmaps it holds from being deleted, which would hide a deletion), or refuses it.
    ClipboardCalls offering = RealClipboardCalls();
    offering.SetClipboardData = [](UINT, HANDLE data) WINAPI -> HANDLE {
        gOffered = static_cast<HBITMAP>(data);
        return gAccepting ? data : nullptr;
    };
    for (const bool accepting : {true, false}) {
        gAccepting = accepting;
        gOffered = nullptr;
        test::RecordingCalls calls(offering);
        EXPECT_EQ(clipboard.SetData(picture), accepting);
        ASSERT_NE(gOffered, nullptr);
        EXPECT_EQ(IsLiveBitmap(gOffered), accepting)
            << (accepting ? "the bitmap the clipboard took was deleted" : "the refused copy was not deleted");
        EXPECT_EQ(calls.OpenNow(), 0);
        if (accepting) DeleteObject(gOffered);
    }
    gBrush = CreateSolidBrush(kRed);
    ClipboardCalls odd = RealClipboardCalls();  // the clipboard's bitmap is no bitmap
    odd.GetPriorityClipboardFormat = [](UINT*, int) WINAPI { return int{CF_BITMAP}; };
    odd.GetClipboardData = [](UINT) WINAPI -> HANDLE { return gBrush; };
    test::RecordingCalls calls(odd);
    EXPECT_THROW(clipboard.GetData(), InvalidHandleError);
    EXPECT_EQ(calls.Count("OpenClipboard"), 2);
    EXPECT_EQ(calls.OpenNow(), 0);
    EXPECT_EQ(calls.Log().back(), "CloseClipboard");
    DeleteObject(gBrush);
}

}  // namespace
}  // namespace morvane
