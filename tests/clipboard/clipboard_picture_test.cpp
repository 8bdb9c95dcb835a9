// Pictures through the clipboard: GetData and SetData against the real clipboard, and the
// paths where the clipboard must not be touched or a copy must not be left behind.
#include <gtest/gtest.h>

#include "clipboard/clipboard.h"
#include "clipboard/clipboard_errors.h"
#include "clipboard/memory_dc.h"
#include "clipboard_test_support.h"
#include "recording_calls.h"

namespace morvane {
namespace {

using test::RecordingCalls;

constexpr COLORREF kGreen = 0x0000FF00, kRed = 0x000000FF;

class ClipboardPictures : public ::testing::Test {
protected:
    void SetUp() override {
        test::EmptyTheClipboard();
        CMemoryDC dc;
        dc.Width(16);
        dc.Height(8);
        PatBlt(dc.hDC(), 0, 0, 16, 8, WHITENESS);
        dc.PixelColor(15, 7, kGreen);
        dc.PixelColor(2, 1, kRed);
        picture = dc.Picture();
        ASSERT_TRUE(picture);
    }
    OlePicture picture;
    CClipboard clipboard;
};

TEST_F(ClipboardPictures, SetDataThenGetDataKeepsSizeAndPixels) {
    ASSERT_TRUE(clipboard.SetData(picture));
    EXPECT_TRUE(clipboard.GetFormat(CF_BITMAP));

    const OlePicture back = clipboard.GetData();
    ASSERT_TRUE(back);
    auto bitmap = static_cast<HBITMAP>(back.Handle());
    EXPECT_EQ(test::SizeOf(bitmap).cx, 16);
    EXPECT_EQ(test::SizeOf(bitmap).cy, 8);
    EXPECT_EQ(test::PixelOf(bitmap, 15, 7), kGreen);
    EXPECT_EQ(test::PixelOf(bitmap, 2, 1), kRed);
    EXPECT_EQ(test::PixelOf(bitmap, 0, 0), 0x00FFFFFFu);

    // The picture owns a copy: the clipboard's bitmap is still there to read again.
    const OlePicture again = clipboard.GetData();
    ASSERT_TRUE(again);
    EXPECT_NE(again.Handle(), back.Handle());
}

TEST_F(ClipboardPictures, OtherFormatsOrNoBitmapFailBeforeOpening) {
    RecordingCalls calls;
    EXPECT_FALSE(clipboard.GetData(CF_DIB));
    EXPECT_FALSE(clipboard.SetData(picture, CF_DIB));
    EXPECT_THROW(clipboard.SetData(OlePicture()), NoPictureError);
    EXPECT_TRUE(calls.Names().empty());
}

HBITMAP gOffered = nullptr;
HANDLE WINAPI RememberAndRefuse(UINT, HANDLE data) {
    gOffered = static_cast<HBITMAP>(data);
    return nullptr;
}

TEST_F(ClipboardPictures, RefusedCopyIsDeletedAfterTheClipboardIsClosed) {
    ClipboardCalls refusing = RealClipboardCalls();
    refusing.SetClipboardData = RememberAndRefuse;
    RecordingCalls calls(refusing);
    gOffered = nullptr;
    EXPECT_FALSE(clipboard.SetData(picture));
    ASSERT_NE(gOffered, nullptr);
    EXPECT_EQ(GetObjectType(gOffered), 0u);
    EXPECT_EQ(calls.OpenNow(), 0);
}

TEST_F(ClipboardPictures, NonBitmapDataRaisesTheErrorWithTheClipboardClosed) {
    static HBRUSH brush;
    brush = CreateSolidBrush(kRed);
    ClipboardCalls odd = RealClipboardCalls();
    odd.GetPriorityClipboardFormat = [](UINT*, int) WINAPI { return int{CF_BITMAP}; };
    odd.GetClipboardData = [](UINT) WINAPI -> HANDLE { return brush; };
    RecordingCalls calls(odd);
    EXPECT_THROW(clipboard.GetData(), InvalidHandleError);
    EXPECT_EQ(calls.Count("OpenClipboard"), 2);
    EXPECT_EQ(calls.OpenNow(), 0);
    EXPECT_EQ(calls.Names().back(), "CloseClipboard");
    DeleteObject(brush);
}

}  // namespace
}  // namespace morvane
