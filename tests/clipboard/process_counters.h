#pragma once
// Counts of what a process holds, for leak checks. The system's own counters come first;
// where one reads nothing at all (Wine implements neither GetGuiResources nor
// GetProcessHandleCount), a direct count stands in when the system allows one.
#include <windows.h>

#include <optional>

namespace morvane::test {

// GetGuiResources(GR_GDIOBJECTS) / (GR_USEROBJECTS), GetProcessHandleCount; 0 when unknown.
DWORD SystemGdiObjectCount();
DWORD SystemUserObjectCount();
DWORD SystemHandleCount();

// The process's live entries in its GDI handle table (found through the process
// environment block), or nothing when that table cannot be read.
std::optional<DWORD> GdiTableCount();
// This process's entries in the system's handle list, or nothing when it cannot be read.
std::optional<DWORD> HandleListCount();

}  // namespace morvane::test
