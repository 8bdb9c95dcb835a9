// The tray menu as built from its item records.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/tray_menu.h"

namespace morvane {
namespace {

TEST(TrayMenu, HoldsTheSixItemsInOrderWithNoneDefault) {
    const UniqueMenu menu = BuildTrayMenu();
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu.Get()), 6);
    const std::pair<const wchar_t*, UINT> expected[] = {
        {L"Show Morvane", 106}, {nullptr, 102}, {L"About Morvane", 101},
        {L"Read Me Text File", 108}, {nullptr, 102}, {L"E&xit", 103}};
    for (UINT position = 0; position < 6; ++position) {
        wchar_t text[64] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(menu.Get(), position, TRUE, &item)) << position;
        const auto [expectedText, expectedId] = expected[position];
        EXPECT_EQ(item.wID, expectedId) << position;
        EXPECT_EQ(item.fState & (MFS_DISABLED | MFS_CHECKED | MFS_DEFAULT), 0u) << position;
        EXPECT_EQ(item.fType, static_cast<UINT>(expectedText ? MFT_STRING : MFT_SEPARATOR))
            << position;
        EXPECT_EQ(std::wstring(text), expectedText ? expectedText : L"") << position;
    }
    EXPECT_EQ(GetMenuDefaultItem(menu.Get(), TRUE, 0), static_cast<UINT>(-1));
}

}  // namespace
}  // namespace morvane
