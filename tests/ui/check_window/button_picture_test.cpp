// The picture buttons' light grey becomes the button face; other colours stay.
#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "ui/check_window/button_picture.h"
#include "ui/check_window/dialog_template.h"

namespace morvane {
namespace {

// A 16-colour DIB section whose table holds black, light grey, dark blue and dark grey.
UniqueBitmap MakeSixteenColourPicture() {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[16];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = 16;
    info.header.biHeight = 16;
    info.header.biPlanes = 1;
    info.header.biBitCount = 4;
    info.header.biClrUsed = 4;
    info.colours[0] = {0, 0, 0, 0};
    info.colours[1] = {192, 192, 192, 0};
    info.colours[2] = {128, 0, 0, 0};  // blue, green, red: dark blue
    info.colours[3] = {128, 128, 128, 0};
    void* bits = nullptr;
    return UniqueBitmap(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                         DIB_RGB_COLORS, &bits, nullptr, 0));
}

RGBQUAD TableEntry(HBITMAP bitmap, UINT index) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    RGBQUAD entry{};
    GetDIBColorTable(dc, index, 1, &entry);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return entry;
}

TEST(ButtonPicture, LightGreyTakesTheFaceColourAndNothingElseChanges) {
    const UniqueBitmap picture = MakeSixteenColourPicture();
    ASSERT_TRUE(picture);
    const auto bitmap = static_cast<HBITMAP>(picture.Get());
    EXPECT_EQ(MapLightGreyTo(bitmap, RGB(10, 20, 30)), 1);
    const RGBQUAD face = TableEntry(bitmap, 1);
    EXPECT_EQ(face.rgbRed, 10);
    EXPECT_EQ(face.rgbGreen, 20);
    EXPECT_EQ(face.rgbBlue, 30);
    const RGBQUAD darkGrey = TableEntry(bitmap, 3);
    EXPECT_EQ(darkGrey.rgbRed, 128);
    EXPECT_EQ(darkGrey.rgbGreen, 128);
    EXPECT_EQ(darkGrey.rgbBlue, 128);
    EXPECT_EQ(TableEntry(bitmap, 2).rgbBlue, 128);
    EXPECT_EQ(MapLightGreyTo(bitmap, RGB(10, 20, 30)), 0);  // no light grey left
}

TEST(ButtonPicture, ProgramPicturesLoadAsSixteenBySixteenWithoutLightGrey) {
    for (const int id : {IDB_CHECK, IDB_COPY}) {
        const UniqueBitmap picture = LoadButtonPicture(GetModuleHandleW(nullptr), id);
        ASSERT_TRUE(picture) << id;
        BITMAP info{};
        GetObjectW(picture.Get(), sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, 16);
        EXPECT_EQ(info.bmHeight, 16);
        EXPECT_EQ(MapLightGreyTo(static_cast<HBITMAP>(picture.Get()), RGB(1, 2, 3)), 0) << id;
    }
}

INT_PTR CALLBACK AcceptEverything(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

TEST(DialogTemplate, MakesAnEmptyDialogWithTheCaptionStyleAndDialogFont) {
    const DialogTemplate form(WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_APPWINDOW, L"Morvane");
    const HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), form.Get(), nullptr,
                                                   &AcceptEverything, 0);
    ASSERT_NE(dialog, nullptr);
    wchar_t caption[32] = {};
    GetWindowTextW(dialog, caption, 32);
    EXPECT_STREQ(caption, L"Morvane");
    EXPECT_NE(GetWindowLongPtrW(dialog, GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_NE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_NE(SendMessageW(dialog, WM_GETFONT, 0, 0), 0);
    EXPECT_EQ(GetWindow(dialog, GW_CHILD), nullptr);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace morvane
