// The picture buttons' light grey becomes the button face; other colours stay. The empty
// dialog template the check window is made from.
#include <gtest/gtest.h>

#include <tuple>

#include "res/resource_ids.h"
#include "ui/check_window/button_picture.h"
#include "ui/dialog/dialog_template.h"

namespace morvane {
namespace {

// The colour table entry at `index`, as (red, green, blue).
std::tuple<int, int, int> TableEntry(HBITMAP bitmap, UINT index) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    RGBQUAD entry{};
    GetDIBColorTable(dc, index, 1, &entry);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return {entry.rgbRed, entry.rgbGreen, entry.rgbBlue};
}

TEST(ButtonPicture, LightGreyTakesTheFaceColourAndNothingElseChanges) {
    // A 16-colour DIB section whose table holds black, light grey, dark blue and dark grey.
    struct {
        BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), 16, 16, 1, 4, BI_RGB, 0, 0, 0, 4, 0};
        RGBQUAD colours[16] = {
            {0, 0, 0, 0}, {192, 192, 192, 0}, {128, 0, 0, 0}, {128, 128, 128, 0}};
    } info;
    void* bits = nullptr;
    const UniqueBitmap picture(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                                DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(picture);
    const auto bitmap = static_cast<HBITMAP>(picture.Get());
    EXPECT_EQ(MapLightGreyTo(bitmap, RGB(10, 20, 30)), 1);
    EXPECT_EQ(TableEntry(bitmap, 1), std::tuple(10, 20, 30));
    EXPECT_EQ(TableEntry(bitmap, 2), std::tuple(0, 0, 128));
    EXPECT_EQ(TableEntry(bitmap, 3), std::tuple(128, 128, 128));
    EXPECT_EQ(MapLightGreyTo(bitmap, RGB(10, 20, 30)), 0);  // no light grey left
}

TEST(ButtonPicture, ProgramPicturesLoadAsSixteenBySixteenWithoutLightGrey) {
    for (const int id : {IDB_CHECK, IDB_COPY}) {
        const UniqueBitmap picture = LoadButtonPicture(GetModuleHandleW(nullptr), id);
        ASSERT_TRUE(picture) << id;
        BITMAP info{};
        GetObjectW(picture.Get(), sizeof(info), &info);
        EXPECT_EQ(std::tuple(info.bmWidth, info.bmHeight), std::tuple(16L, 16L)) << id;
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
