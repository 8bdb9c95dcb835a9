// CClipboard and CClipFormats against the real clipboard: text in and out, the check window's
// Copy, the format snapshot against the live clipboard, and a clipboard held by another program.
#include <gtest/gtest.h>

#include <cstring>

#include "clipboard/clipboard.h"
#include "clipboard/memory_dc.h"
#include "clipboard_test_support.h"
#include "ui/check_window/copy_command.h"

namespace morvane {
namespace {

using test::RecordingCalls;

class RealClipboard : public ::testing::Test {
protected:
    void SetUp() override { test::EmptyTheClipboard(); }
};

// A clipboard another program holds open gives nothing but the system's answer to which format
// it would give, and is left as it was: nothing emptied, allocated, offered or closed.
TEST_F(RealClipboard, EmptyOrHeldClipboardGivesNothingAndAHeldOneIsLeftAlone) {
    ClipboardCalls heldCalls = RealClipboardCalls();
    heldCalls.OpenClipboard = [](HWND) WINAPI -> BOOL { return FALSE; };
    for (const bool held : {false, true}) {
        ASSERT_TRUE(!held || CClipboard().SetText(L"kept"));
        RecordingCalls calls(held ? heldCalls : RealClipboardCalls());
        CClipboard clipboard;
        EXPECT_EQ(clipboard.GetText(), L"") << "held: " << held;
        EXPECT_FALSE(clipboard.GetData());
        EXPECT_FALSE(clipboard.GetFormat(CF_TEXT));
        EXPECT_EQ(clipboard.GetPriorityFormat({CF_TEXT}), held ? CF_TEXT : 0);
        CClipFormats& formats = clipboard.Formats();
        EXPECT_FALSE(formats.Present(CF_TEXT));
        EXPECT_EQ(formats.Count(), 0);
        EXPECT_EQ(formats.Item(CF_TEXT), nullptr);
        EXPECT_EQ(calls.Count("GetClipboardData"), 0);
        EXPECT_EQ(calls.OpenNow(), 0);
        if (!held) continue;
        EXPECT_FALSE(clipboard.Clear());
        EXPECT_FALSE(clipboard.SetText(L"lost"));
        EXPECT_FALSE(clipboard.SetData(CMemoryDC().Picture()));
        for (const char* call : {"EmptyClipboard", "GlobalAlloc", "SetClipboardData", "CloseClipboard"})
            EXPECT_EQ(calls.Count(call), 0) << call;
    }
}

TEST_F(RealClipboard, TextRoundTripsThroughBothTextFormatsBesideWhatIsThere) {
    const struct {
        std::wstring text, readBack, unicode;
    } cases[] = {
        {L"Word", L"Word", L"Word"}, {L"a", L"a", L"a"},
        // Greek and Cyrillic are not in code page 1252: CF_TEXT has them best fit, CF_UNICODETEXT keeps them.
        {L"\u03A9mega caf\u00E9 \u0416", L"Omega caf\u00E9 ?", L"\u03A9mega caf\u00E9 \u0416"},
        {std::wstring(L"ab\0cd", 5), L"ab", L"ab"},  // stops at an embedded zero
        {L"", L"", L""},
    };
    for (const auto& c : cases) {
        if (c.readBack != c.unicode && GetACP() != 1252) continue;  // expected text written for 1252
        test::EmptyTheClipboard();
        test::PutTestFormat();
        CClipboard clipboard;
        EXPECT_TRUE(clipboard.SetText(c.text));
        for (const UINT format : {UINT{CF_TEXT}, UINT{CF_UNICODETEXT}, test::TestFormat()})
            EXPECT_TRUE(clipboard.GetFormat(static_cast<std::int32_t>(format))) << format;
        EXPECT_EQ(clipboard.GetText(), c.readBack);
        EXPECT_EQ(test::RawUnicodeText(), c.unicode);
    }
}

TEST_F(RealClipboard, CopyReplacesTheClipboardWithTheEntryAndLeavesItAloneForABlankOne) {
    test::PutTestFormat();
    RecordingCalls calls;
    for (const std::wstring entry : {L"speling", L"\u00E9t\u00E9 \u03A9", L" padded "}) {
        CopyListTextToClipboard(entry);
        EXPECT_EQ(test::RawUnicodeText(), entry);
        EXPECT_EQ(calls.OpenNow(), 0) << "the clipboard was left open";
    }
    EXPECT_FALSE(IsClipboardFormatAvailable(test::TestFormat()));

    const std::size_t callsBefore = calls.Log().size();
    for (const wchar_t* blank : {L"", L"    "}) CopyListTextToClipboard(blank);
    EXPECT_EQ(calls.Log().size(), callsBefore);  // no clipboard object was even created
    EXPECT_EQ(test::RawUnicodeText(), L" padded ");
}

// Another program's text block, played: it ends at the very end of a readable page, so that
// reading one byte past it faults, and it may or may not hold a terminating zero.
struct PlayedText {
    UINT format;
    const char* bytes;
    SIZE_T size;
    std::wstring expected;
} gPlayed;
char* gPageEnd = [] {
    auto* pages = static_cast<char*>(VirtualAlloc(nullptr, 0x2000, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(pages + 0x1000, 0x1000, PAGE_NOACCESS, &old);
    return pages + 0x1000;
}();

TEST_F(RealClipboard, OfferedTextIsReadUpToItsZeroAndNeverPastItsBlock) {
    ClipboardCalls played = RealClipboardCalls();
    played.GetPriorityClipboardFormat = [](UINT*, int) WINAPI { return static_cast<int>(gPlayed.format); };
    played.GetClipboardData = [](UINT f) WINAPI -> HANDLE { return f == gPlayed.format ? gPageEnd - gPlayed.size : nullptr; };
    played.GlobalLock = [](HGLOBAL block) WINAPI -> LPVOID { return block; };
    played.GlobalUnlock = [](HGLOBAL) WINAPI -> BOOL { return TRUE; };
    played.GlobalSize = [](HGLOBAL) WINAPI -> SIZE_T { return gPlayed.size; };
    const PlayedText cases[] = {
        {CF_TEXT, "abcd", 4, L"abcd"},
        {CF_TEXT, "ab\0d", 4, L"ab"},
        {CF_UNICODETEXT, "\x16\x04u\0k\0\0\0t\0", 10, L"\u0416uk"},  // read when CF_TEXT is not offered
        {CF_UNICODETEXT, "w\0x\0", 4, L"wx"},
    };
    for (const PlayedText& c : cases) {
        gPlayed = c;
        std::memcpy(gPageEnd - c.size, c.bytes, c.size);
        RecordingCalls calls(played);
        EXPECT_EQ(CClipboard().GetText(), c.expected) << "format " << c.format << ", " << c.size << " bytes";
        EXPECT_EQ(calls.OpenNow(), 0);
    }
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
        int textOffers, unicodeOffers;
    } cases[] = {{flaky, 1, false, 0, 1}, {flaky, 2, true, 1, 0}, {refusing, 0, false, 1, 1}};
    for (const auto& c : cases) {
        allocations = 0;
        failing = c.failing;
        RecordingCalls calls(c.behind);
        EXPECT_EQ(CClipboard().SetText(L"half"), c.accepted) << "allocation failing: " << c.failing;
        EXPECT_EQ(calls.Count("SetClipboardData 1"), c.textOffers) << "allocation failing: " << c.failing;
        EXPECT_EQ(calls.Count("SetClipboardData 13"), c.unicodeOffers) << "allocation failing: " << c.failing;
        EXPECT_EQ(calls.BlocksMishandled(), 0) << "allocation failing: " << c.failing;
    }
}

// After Clear and SetText only text is there, CF_TEXT first. Formats is one snapshot, refreshed
// on every read; its enumeration stops when it comes round again. Names come from the system,
// cut to 255, or from our table for standard formats.
TEST_F(RealClipboard, FormatsIsOneSnapshotOfTheTextLeftAfterClearRefreshedOnEveryReadAndNamesFormats) {
    test::PutTestFormat();
    CClipboard clipboard;
    CClipFormats& formats = clipboard.Formats();
    const std::wstring longest(255, L'n');
    const std::pair<std::int32_t, std::wstring> names[] = {
        {static_cast<std::int32_t>(test::TestFormat()), L"Morvane Test Data"}, {0, L"Unknown: 0"}, {17, L"Unknown: 17"},
        {static_cast<std::int32_t>(RegisterClipboardFormatW(longest.c_str())), longest},
        {static_cast<std::int32_t>(RegisterClipboardFormatW(L"M")), L"M"}};
    for (const auto& [format, name] : names) EXPECT_EQ(formats.GetName(format), name);
    // A system that fills the whole buffer and claims a name as long as it.
    ClipboardCalls overlong = RealClipboardCalls();
    overlong.GetClipboardFormatNameA = [](UINT, LPSTR name, int size) WINAPI {
        std::memset(name, 'x', static_cast<std::size_t>(size));
        return size;
    };
    {
        RecordingCalls calls(overlong);
        EXPECT_EQ(formats.GetName(1), L"Text (TXT)");
        EXPECT_EQ(formats.GetName(16), L"Locale Identifier");
        EXPECT_TRUE(calls.Log().empty());
        EXPECT_EQ(formats.GetName(0xC123), std::wstring(255, L'x'));
    }

    ASSERT_TRUE(clipboard.Clear());
    ASSERT_TRUE(clipboard.SetText(L"one"));
    ASSERT_EQ(&clipboard.Formats(), &formats);  // refreshed
    EXPECT_EQ(formats.Item(CF_UNICODETEXT)->Name, L"Unicode Text");
    for (const auto& item : formats)  // the system may add OEM text and a locale
        EXPECT_TRUE(item->Format == CF_TEXT || item->Format == CF_UNICODETEXT || item->Format == CF_OEMTEXT ||
                    item->Format == CF_LOCALE) << item->Format;
    EXPECT_EQ(formats.NewEnum().begin()->get()->Format, CF_TEXT);  // offered first
    EXPECT_TRUE(formats.Present(CF_UNICODETEXT));
    const std::int32_t countWithText = formats.Count();

    test::EmptyTheClipboard();
    EXPECT_EQ(formats.Count(), countWithText);  // the snapshot
    EXPECT_NE(formats.Item(CF_TEXT), nullptr);
    EXPECT_FALSE(formats.Present(CF_TEXT));  // the live clipboard

    EXPECT_EQ(&clipboard.Formats(), &formats);
    EXPECT_EQ(formats.Count(), 0);

    ClipboardCalls circular = RealClipboardCalls();
    circular.EnumClipboardFormats = [](UINT f) WINAPI -> UINT { return f == CF_TEXT ? CF_UNICODETEXT : CF_TEXT; };
    RecordingCalls calls(circular);
    EXPECT_EQ(clipboard.Formats().Count(), 2);
    EXPECT_EQ(calls.OpenNow(), 0);
}

}  // namespace
}  // namespace morvane
