#include "process_counters.h"

#include <winternl.h>

#include <cstddef>
#include <vector>

namespace morvane::test {
namespace {

// One entry of the GDI handle table as 64-bit Windows (and Wine) lay it out.
struct GdiHandleEntry {
    UINT64 object;
    ULONG owner;  // low 16 bits: the owning process id, 0 for shared objects
    USHORT unique;
    UCHAR type;   // 0 for a free entry
    UCHAR flags;
    UINT64 userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr std::size_t kGdiTableEntries = 0x10000;
#ifdef _WIN64
constexpr std::size_t kPebGdiTableOffset = 0xF8;
#else
constexpr std::size_t kPebGdiTableOffset = 0x94;
#endif

// SystemExtendedHandleInformation and its entries.
constexpr ULONG kExtendedHandleInformation = 64;
struct HandleEntry {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG access;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG attributes;
    ULONG reserved;
};
struct HandleList {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

}  // namespace

DWORD SystemGdiObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

DWORD SystemUserObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS); }

DWORD SystemHandleCount() {
    DWORD count = 0;
    return GetProcessHandleCount(GetCurrentProcess(), &count) ? count : 0;
}

std::optional<DWORD> GdiTableCount() {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return std::nullopt;
    const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiTableOffset);
    if (!table) return std::nullopt;
    const USHORT self = static_cast<USHORT>(GetCurrentProcessId());
    DWORD count = 0;
    for (std::size_t i = 0; i < kGdiTableEntries; ++i) {
        const USHORT owner = static_cast<USHORT>(table[i].owner & 0xFFFF);
        if (table[i].type != 0 && (owner == self || owner == 0)) ++count;
    }
    return count;
}

std::optional<DWORD> HandleListCount() {
    using Query = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return std::nullopt;
    std::vector<unsigned char> buffer(1 << 20);
    NTSTATUS status;
    ULONG needed = 0;
    while ((status = query(kExtendedHandleInformation, buffer.data(), ULONG(buffer.size()), &needed)) ==
           kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0) return std::nullopt;
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    DWORD count = 0;
    for (ULONG_PTR i = 0; i < list->count; ++i)
        if (list->entries[i].processId == GetCurrentProcessId()) ++count;
    return count;
}

}  // namespace morvane::test
