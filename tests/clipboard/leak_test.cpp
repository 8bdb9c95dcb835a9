// A hundred rounds of each clipboard task leave the process's graphics objects where they
// were, and every memory block and open accounted for. A leak of one object a round shows as
// a hundred; more rounds would only slow the test on a busy machine.
#include <gtest/gtest.h>

#include <winternl.h>

#include <cstddef>
#include <optional>

#include "clipboard/clipboard.h"
#include "clipboard/memory_dc.h"
#include "clipboard_test_support.h"
#include "ui/check_window/copy_command.h"

namespace morvane {
namespace {

constexpr int kRounds = 100;

// One entry of the GDI handle table as Wine lays it out in both builds (and 64-bit Windows).
struct GdiHandleEntry {
    UINT64 object;
    ULONG owner;  // low 16 bits: the owning process id, 0 for shared objects
    USHORT unique;
    UCHAR type;   // 0 for a free entry
    UCHAR flags;
    UINT64 userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
#ifdef _WIN64
constexpr std::size_t kPebGdiTableOffset = 0xF8;
#else
constexpr std::size_t kPebGdiTableOffset = 0x94;
#endif

// GetGuiResources(GR_GDIOBJECTS); where that reads 0 (Wine does not implement it), the
// process's live entries of its GDI handle table, found through the process environment block.
std::optional<DWORD> GdiObjectCount() {
    if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return std::nullopt;
    const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiTableOffset);
    if (!table) return std::nullopt;
    const USHORT self = static_cast<USHORT>(GetCurrentProcessId());
    DWORD count = 0;
    for (std::size_t i = 0; i < 0x10000; ++i) {
        const USHORT owner = static_cast<USHORT>(table[i].owner & 0xFFFF);
        if (table[i].type != 0 && (owner == self || owner == 0)) ++count;
    }
    return count;
}

void RoundsOfEveryTask() {
    const OlePicture picture = CMemoryDC().Picture();
    for (int i = 0; i < kRounds; ++i) {
        CopyListTextToClipboard(L"suggestion " + std::to_wstring(i));
        CClipboard clipboard;
        clipboard.SetData(picture);
        const OlePicture back = clipboard.GetData();
        clipboard.Clear();
        CMemoryDC dc;
        dc.Picture(picture);
        const OlePicture copy = dc.Picture();
    }
}

TEST(Leaks, RoundsOfEveryTaskLeaveCountsBlocksAndOpensUnchanged) {
    test::EmptyTheClipboard();
    RoundsOfEveryTask();  // first use sets up what the system keeps for the process
    const std::optional<DWORD> gdiBefore = GdiObjectCount();
    {
        test::RecordingCalls calls;
        RoundsOfEveryTask();
        EXPECT_EQ(calls.Count("GlobalAlloc"), 2 * kRounds);
        EXPECT_EQ(calls.BlocksMishandled(), 0);
        EXPECT_EQ(calls.OpenNow(), 0);
    }
    if (!gdiBefore) GTEST_SKIP() << "this system gives no way to count GDI objects";
    EXPECT_EQ(GdiObjectCount(), gdiBefore);
}

}  // namespace
}  // namespace morvane
