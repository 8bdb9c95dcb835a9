// The tray menu's records and the menu built from them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "app/tray_commands.h"
#include "app/tray_menu.h"
#include "support/app_paths.h"

namespace morvane {
namespace {

TEST(TrayMenuRecord, TextItemCarriesItsTextLengthAndIdentifier) {
    const MENUITEMINFOA record = MakeMenuItemRecord({"E&xit", 103});
    EXPECT_EQ(record.cbSize, offsetof(MENUITEMINFOA, hbmpItem));
    EXPECT_EQ(record.fMask, 0x13u);
    EXPECT_EQ(record.fType, 0u);
    EXPECT_EQ(record.fState, 0u);
    EXPECT_EQ(record.wID, 103u);
    EXPECT_EQ(record.hSubMenu, nullptr);
    EXPECT_EQ(record.hbmpChecked, nullptr);
    EXPECT_EQ(record.hbmpUnchecked, nullptr);
    EXPECT_EQ(record.dwItemData, 0u);
    EXPECT_STREQ(record.dwTypeData, "E&xit");
    EXPECT_EQ(record.cch, 5u);  // the ampersand counts
}

TEST(TrayMenuRecord, SeparatorHasTypeAndIdentifierOnly) {
    const MENUITEMINFOA record = MakeMenuItemRecord({nullptr, 102});
    EXPECT_EQ(record.fType, 0x800u);
    EXPECT_EQ(record.wID, 102u);
    EXPECT_EQ(record.dwTypeData, nullptr);
    EXPECT_EQ(record.cch, 0u);
}

TEST(TrayMenu, HoldsTheSixItemsInOrder) {
    const UniqueMenu menu = BuildTrayMenu();
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu.Get()), 6);
    const struct {
        const wchar_t* text;
        UINT id;
    } expected[] = {{L"Show Morvane", 106}, {nullptr, 102}, {L"About Morvane", 101},
                    {L"Read Me Text File", 108}, {nullptr, 102}, {L"E&xit", 103}};
    for (UINT position = 0; position < 6; ++position) {
        wchar_t text[64] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(menu.Get(), position, TRUE, &item)) << position;
        EXPECT_EQ(item.wID, expected[position].id) << position;
        EXPECT_EQ(item.fState & (MFS_DISABLED | MFS_CHECKED | MFS_DEFAULT), 0u) << position;
        if (expected[position].text) {
            EXPECT_EQ(item.fType, static_cast<UINT>(MFT_STRING)) << position;
            EXPECT_EQ(std::wstring(text), expected[position].text);
        } else {
            EXPECT_EQ(item.fType, static_cast<UINT>(MFT_SEPARATOR)) << position;
        }
    }
    EXPECT_EQ(GetMenuDefaultItem(menu.Get(), TRUE, 0), static_cast<UINT>(-1));
}

TEST(TrayMenu, TrackingParametersAreTwentyBytesWithAnEmptyRectangle) {
    const TPMPARAMS parameters = MakeTrackingParameters();
    EXPECT_EQ(parameters.cbSize, 20u);
    EXPECT_TRUE(IsRectEmpty(&parameters.rcExclude));
    EXPECT_EQ(parameters.rcExclude.left | parameters.rcExclude.top | parameters.rcExclude.right |
                  parameters.rcExclude.bottom,
              0);
    EXPECT_EQ(kTrayMenuTrackFlags, 0x180u);
}

TEST(TrayCommands, ReadMeIsBesideTheProgram) {
    EXPECT_EQ(ReadMePath(), ApplicationDirectory() + L"\\ReadMe.txt");
}

}  // namespace
}  // namespace morvane
