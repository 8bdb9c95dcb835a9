// CClipboard and CClipFormats against the real clipboard: text in and out, the format
// snapshot against the live clipboard, and a clipboard held by another process.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "clipboard/clipboard.h"
#include "clipboard/memory_dc.h"
#include "clipboard_test_support.h"
#include "recording_calls.h"

namespace morvane {
namespace {

using test::ClipboardHolder;
using test::RecordingCalls;

class RealClipboard : public ::testing::Test {
protected:
    void SetUp() override { test::EmptyTheClipboard(); }
    void PutTestFormat() {
        const std::uint8_t other[] = {'n', 'o', 't', 0};
        test::PutRawData(test::TestFormat(), other, sizeof other);
    }
};

TEST_F(RealClipboard, EmptyClipboardHasNothingToGive) {
    CClipboard clipboard;
    EXPECT_EQ(clipboard.GetText(), L"");
    EXPECT_FALSE(clipboard.GetData());
    EXPECT_EQ(clipboard.GetPriorityFormat({CF_TEXT, CF_BITMAP}), 0);
    EXPECT_FALSE(clipboard.GetFormat(CF_TEXT));
    CClipFormats& formats = clipboard.Formats();
    EXPECT_EQ(formats.Count(), 0);
    EXPECT_EQ(formats.Item(1), nullptr);
    EXPECT_EQ(formats.NewEnum().size(), 0u);
}

TEST_F(RealClipboard, SetTextAddsToWhatIsThereAndAfterClearLeavesOnlyText) {
    PutTestFormat();
    CClipboard clipboard;
    ASSERT_TRUE(clipboard.SetText(L"more"));
    EXPECT_TRUE(clipboard.GetFormat(static_cast<std::int32_t>(test::TestFormat())));

    ASSERT_TRUE(clipboard.Clear());
    ASSERT_TRUE(clipboard.SetText(L"Word"));
    CClipFormats& formats = clipboard.Formats();
    EXPECT_EQ(formats.Item(CF_UNICODETEXT)->Name, L"Unicode Text");
    for (const auto& item : formats)  // the system may add OEM text and a locale
        EXPECT_TRUE(item->Format == CF_TEXT || item->Format == CF_UNICODETEXT || item->Format == CF_OEMTEXT ||
                    item->Format == CF_LOCALE) << item->Format;
    EXPECT_EQ(formats.NewEnum().begin()->get()->Format, CF_TEXT);  // offered first
}

TEST_F(RealClipboard, TextRoundTripsThroughBothTextFormats) {
    struct Case {
        std::wstring text, readBack, unicode;
    };
    const Case cases[] = {
        {L"Word", L"Word", L"Word"},
        // Greek and Cyrillic are not in code page 1252: CF_TEXT has them best fit, CF_UNICODETEXT keeps them.
        {L"\u03A9mega caf\u00E9 \u0416", L"Omega caf\u00E9 ?", L"\u03A9mega caf\u00E9 \u0416"},
        {std::wstring(L"ab\0cd", 5), L"ab", L"ab"},  // stops at an embedded zero
        {L"", L"", L""},                             // two empty texts
    };
    for (const Case& c : cases) {
        if (c.readBack != c.unicode && GetACP() != 1252) continue;  // expected text written for 1252
        test::EmptyTheClipboard();
        CClipboard clipboard;
        EXPECT_TRUE(clipboard.SetText(c.text));
        EXPECT_TRUE(clipboard.GetFormat(CF_TEXT));
        EXPECT_TRUE(clipboard.GetFormat(CF_UNICODETEXT));
        EXPECT_EQ(clipboard.GetText(), c.readBack);
        EXPECT_EQ(test::RawUnicodeText(), c.unicode);
    }
}

TEST_F(RealClipboard, NonTextDataIsNotReadAsText) {
    PutTestFormat();
    CClipboard clipboard;
    EXPECT_EQ(clipboard.GetPriorityFormat({CF_TEXT, CF_UNICODETEXT, CF_OEMTEXT, CF_DSPTEXT}), -1);

    RecordingCalls calls;
    EXPECT_EQ(clipboard.GetText(), L"");
    EXPECT_EQ(calls.Count("OpenClipboard"), 1);  // only to ask for the priority format
    EXPECT_EQ(calls.Count("GetClipboardData"), 0);
    EXPECT_EQ(calls.OpenNow(), 0);
}

TEST_F(RealClipboard, UnicodeTextIsReadWhenAnsiTextIsNotOffered) {
    // The system derives CF_TEXT from CF_UNICODETEXT, so play a clipboard that offers only
    // the wide text, with a block whose text stops at a zero.
    static HGLOBAL block;
    const wchar_t wide[] = L"\u0416uk\0tail";
    block = GlobalAlloc(GMEM_FIXED, sizeof wide);
    std::memcpy(block, wide, sizeof wide);
    ClipboardCalls onlyWide = RealClipboardCalls();
    onlyWide.GetPriorityClipboardFormat = [](UINT*, int) WINAPI { return int{CF_UNICODETEXT}; };
    onlyWide.GetClipboardData = [](UINT format) WINAPI -> HANDLE { return format == CF_UNICODETEXT ? block : nullptr; };
    RecordingCalls calls(onlyWide);
    EXPECT_EQ(CClipboard().GetText(), L"\u0416uk");
    EXPECT_EQ(calls.OpenNow(), 0);
    GlobalFree(block);
}

TEST_F(RealClipboard, AnsiTextWithoutTerminatorIsReadOnlyToTheEndOfItsBlock) {
    // Four bytes of text at the very end of a readable page: reading one byte further faults.
    static char* text = [] {
        auto* pages = static_cast<char*>(VirtualAlloc(nullptr, 0x2000, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(pages + 0x1000, 0x1000, PAGE_NOACCESS, &old);
        std::memcpy(pages + 0x1000 - 4, "abcd", 4);
        return pages + 0x1000 - 4;
    }();
    ClipboardCalls unterminated = RealClipboardCalls();
    unterminated.GetPriorityClipboardFormat = [](UINT*, int) WINAPI { return int{CF_TEXT}; };
    unterminated.GetClipboardData = [](UINT) WINAPI -> HANDLE { return text; };
    unterminated.GlobalLock = [](HGLOBAL block) WINAPI -> LPVOID { return block; };
    unterminated.GlobalUnlock = [](HGLOBAL) WINAPI -> BOOL { return TRUE; };
    unterminated.GlobalSize = [](HGLOBAL) WINAPI -> SIZE_T { return 4; };
    RecordingCalls calls(unterminated);
    EXPECT_EQ(CClipboard().GetText(), L"abcd");
}

// A text block that cannot be allocated is not offered, one refused is freed, and the other
// is offered all the same.
TEST_F(RealClipboard, EachTextBlockIsOfferedOnItsOwnAndRefusedOnesAreFreed) {
    static int allocations, failing;
    ClipboardCalls flaky = RealClipboardCalls();
    flaky.GlobalAlloc = [](UINT flags, SIZE_T bytes) WINAPI { return ++allocations == failing ? nullptr : GlobalAlloc(flags, bytes); };
    ClipboardCalls refusing = RealClipboardCalls();
    refusing.SetClipboardData = [](UINT, HANDLE) WINAPI -> HANDLE { return nullptr; };
    const struct {
        const ClipboardCalls& behind;
        int failing;
        bool accepted;
        std::vector<std::intptr_t> offered;
    } cases[] = {{flaky, 1, false, {CF_UNICODETEXT}}, {flaky, 2, true, {CF_TEXT}},
                 {refusing, 0, false, {CF_TEXT, CF_UNICODETEXT}}};
    for (const auto& c : cases) {
        allocations = 0;
        failing = c.failing;
        RecordingCalls calls(c.behind);
        EXPECT_EQ(CClipboard().SetText(L"half"), c.accepted) << c.failing;
        std::vector<std::intptr_t> offered;
        for (const auto& call : calls.Calls()) {
            if (call.name == "SetClipboardData") offered.push_back(call.args[0]);
        }
        EXPECT_EQ(offered, c.offered) << c.failing;
        EXPECT_EQ(calls.BlocksOutstanding(), 0) << c.failing;
    }
}

TEST_F(RealClipboard, EnumerationThatComesRoundAgainEnds) {
    ClipboardCalls circular = RealClipboardCalls();
    circular.EnumClipboardFormats = [](UINT f) WINAPI -> UINT { return f == CF_TEXT ? CF_UNICODETEXT : CF_TEXT; };
    RecordingCalls calls(circular);
    CClipboard clipboard;
    EXPECT_EQ(clipboard.Formats().Count(), 2);
    EXPECT_EQ(calls.OpenNow(), 0);
}

TEST_F(RealClipboard, RunTimeFormatIsNamedBySystemAndStandardOnesByUs) {
    CClipboard clipboard;
    CClipFormats& formats = clipboard.Formats();
    EXPECT_EQ(formats.GetName(static_cast<std::int32_t>(test::TestFormat())), L"Morvane Test Data");
    EXPECT_EQ(formats.GetName(0), L"Unknown: 0");
    EXPECT_EQ(formats.GetName(-5), L"Unknown: -5");
    EXPECT_EQ(formats.GetName(17), L"Unknown: 17");

    const std::wstring longest(255, L'n');
    EXPECT_EQ(formats.GetName(static_cast<std::int32_t>(RegisterClipboardFormatW(longest.c_str()))), longest);
    {
        RecordingCalls calls;
        EXPECT_EQ(formats.GetName(1), L"Text (TXT)");
        EXPECT_EQ(formats.GetName(16), L"Locale Identifier");
        EXPECT_TRUE(calls.Names().empty());
    }
    // A name is cut to 255 characters, whatever length the system claims.
    ClipboardCalls overlong = RealClipboardCalls();
    overlong.GetClipboardFormatNameA = [](UINT, LPSTR name, int size) WINAPI {
        std::memset(name, 'x', static_cast<std::size_t>(size));
        return size + 100;
    };
    RecordingCalls calls(overlong);
    EXPECT_EQ(formats.GetName(0xC123), std::wstring(255, L'x'));
}

TEST_F(RealClipboard, FormatsIsOneSnapshotRefreshedOnEveryRead) {
    CClipboard clipboard;
    ASSERT_TRUE(clipboard.SetText(L"one"));
    CClipFormats& formats = clipboard.Formats();
    const std::int32_t countWithText = formats.Count();
    ASSERT_GT(countWithText, 0);
    const ClipFormatRef heldItem = formats.Item(CF_TEXT);
    const ClipFormatEnumeration oldSnapshot = formats.NewEnum();

    test::EmptyTheClipboard();
    EXPECT_EQ(formats.Count(), countWithText);  // the snapshot
    EXPECT_NE(formats.Item(CF_TEXT), nullptr);
    EXPECT_FALSE(formats.Present(CF_TEXT));  // the live clipboard

    EXPECT_EQ(&clipboard.Formats(), &formats);
    EXPECT_EQ(formats.Count(), 0);
    EXPECT_EQ(formats.Item(CF_TEXT), nullptr);
    EXPECT_EQ(heldItem->Name, L"Text (TXT)");  // still valid after the refresh
    EXPECT_EQ(static_cast<std::int32_t>(oldSnapshot.size()), countWithText);
}

TEST_F(RealClipboard, ClipboardHeldByAnotherProcessRefusesEverything) {
    CClipboard clipboard;
    ASSERT_TRUE(clipboard.SetText(L"kept"));
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Holding());
        RecordingCalls calls;
        EXPECT_FALSE(clipboard.Clear());
        EXPECT_FALSE(clipboard.SetText(L"lost"));
        EXPECT_FALSE(clipboard.GetFormat(CF_TEXT));
        EXPECT_FALSE(clipboard.Formats().Present(CF_TEXT));
        EXPECT_EQ(clipboard.Formats().Count(), 0);
        EXPECT_EQ(clipboard.GetText(), L"");
        EXPECT_FALSE(clipboard.GetData());
        EXPECT_FALSE(clipboard.SetData(CMemoryDC().Picture()));
        EXPECT_EQ(calls.Count("GlobalAlloc"), 0);
        EXPECT_EQ(calls.Count("CloseClipboard"), 0);
    }
    EXPECT_EQ(clipboard.GetText(), L"kept");
}

TEST_F(RealClipboard, OwnerIsTheWindowThatEmptiedTheClipboard) {
    ClipboardHolder holder(/*takeOwnership=*/true);
    ASSERT_TRUE(holder.Holding());
    const HWND holderWindow = GetOpenClipboardWindow();
    ASSERT_NE(holderWindow, nullptr);
    RecordingCalls calls;
    EXPECT_EQ(CClipboard().Owner(), holderWindow);
    EXPECT_EQ(calls.Count("OpenClipboard"), 1);  // only the constructor's enumeration
}

}  // namespace
}  // namespace morvane
