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

TEST_F(CopyCommand, ReplacesTheClipboardAndAnotherProgramPastesExactlyTheEntry) {
    const std::uint8_t other[] = {1};
    test::PutRawData(test::TestFormat(), other, sizeof other);
    const std::wstring entries[] = {L"speling", L"Word Not Found", L"No Suggestions :(", L"\u00E9t\u00E9 \u03A9",
                                    L" padded "};
    for (const std::wstring& entry : entries) {
        CopyListTextToClipboard(entry);
        EXPECT_EQ(test::PasteInAnotherProcess(entry), 0u) << testing::PrintToString(entry);
    }
    EXPECT_FALSE(IsClipboardFormatAvailable(test::TestFormat()));
}

TEST_F(CopyCommand, NothingOrABlankEntryLeavesTheClipboardAlone) {
    CClipboard().SetText(L"before");
    test::RecordingCalls calls;
    for (const wchar_t* blank : {L"", L" ", L"    "}) CopyListTextToClipboard(blank);
    EXPECT_TRUE(calls.Names().empty());  // no clipboard object was even created
    EXPECT_EQ(test::RawUnicodeText(), L"before");
}

}  // namespace
}  // namespace morvane
