// The check window's Copy: what another program pastes afterwards, and the cases that must
// leave the clipboard alone.
#include <gtest/gtest.h>

#include "clipboard/clipboard.h"
#include "clipboard_test_support.h"
#include "recording_calls.h"
#include "ui/check_window/copy_command.h"

namespace morvane {
namespace {

class CopyCommand : public ::testing::Test {
protected:
    void SetUp() override { test::EmptyTheClipboard(); }
};

TEST_F(CopyCommand, AnotherProgramPastesExactlyTheEntry) {
    const std::wstring entries[] = {L"speling", L"Word Not Found", L"No Suggestions :(", L"\u00E9t\u00E9 \u03A9",
                                    L" padded "};
    for (const std::wstring& entry : entries) {
        CopyListTextToClipboard(entry);
        const test::PastedText pasted = test::PasteInAnotherProcess();
        EXPECT_EQ(pasted.exitCode, 0u);
        EXPECT_EQ(pasted.text, entry);
    }
}

TEST_F(CopyCommand, ReplacesWhatTheClipboardHeld) {
    const std::uint8_t other[] = {1};
    test::PutRawData(test::TestFormat(), other, sizeof other);
    CopyListTextToClipboard(L"word");
    EXPECT_FALSE(IsClipboardFormatAvailable(test::TestFormat()));
    EXPECT_EQ(CClipboard().GetText(), L"word");
}

TEST_F(CopyCommand, NothingOrABlankEntryLeavesTheClipboardAlone) {
    CClipboard().SetText(L"before");
    test::RecordingCalls calls;
    for (const wchar_t* blank : {L"", L" ", L"    "}) CopyListTextToClipboard(blank);
    EXPECT_TRUE(calls.Names().empty());  // no clipboard object was even created
    EXPECT_EQ(test::RawUnicodeText(), L"before");
}

TEST_F(CopyCommand, BusyClipboardAllocatesNothing) {
    CClipboard().SetText(L"before");
    test::ClipboardHolder holder;
    ASSERT_TRUE(holder.Holding());
    test::RecordingCalls calls;
    CopyListTextToClipboard(L"word");
    EXPECT_EQ(calls.Count("GlobalAlloc"), 0);
    EXPECT_EQ(calls.Count("EmptyClipboard"), 0);
    EXPECT_EQ(calls.Count("OpenClipboard"), 3);  // the enumeration, Clear and SetText each tried
}

}  // namespace
}  // namespace morvane
