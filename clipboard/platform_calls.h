#pragma once
// The clipboard and global-memory calls whose order and presence matter (which calls
// open the clipboard, ask the system, allocate), as a table of function pointers. It
// defaults to the real API; a test swaps in a recording stand-in for one scope.
#include <windows.h>

#include "support/scoped_calls.h"

namespace morvane {

struct ClipboardCalls {
    BOOL(WINAPI* OpenClipboard)(HWND owner);
    BOOL(WINAPI* CloseClipboard)();
    BOOL(WINAPI* EmptyClipboard)();
    HWND(WINAPI* GetClipboardOwner)();
    BOOL(WINAPI* IsClipboardFormatAvailable)(UINT format);
    int(WINAPI* GetPriorityClipboardFormat)(UINT* list, int count);
    HANDLE(WINAPI* GetClipboardData)(UINT format);
    HANDLE(WINAPI* SetClipboardData)(UINT format, HANDLE data);
    UINT(WINAPI* EnumClipboardFormats)(UINT format);
    int(WINAPI* GetClipboardFormatNameA)(UINT format, LPSTR name, int size);
    HGLOBAL(WINAPI* GlobalAlloc)(UINT flags, SIZE_T bytes);
    LPVOID(WINAPI* GlobalLock)(HGLOBAL block);
    BOOL(WINAPI* GlobalUnlock)(HGLOBAL block);
    HGLOBAL(WINAPI* GlobalFree)(HGLOBAL block);
    SIZE_T(WINAPI* GlobalSize)(HGLOBAL block);
};

// The system's own functions.
const ClipboardCalls& RealClipboardCalls();

// The table in use now.
const ClipboardCalls& Calls();

template <>
const ClipboardCalls*& ActiveCalls<ClipboardCalls>();

// Puts a table in use until the end of the scope, then restores the one before it.
using ScopedClipboardCalls = ScopedCalls<ClipboardCalls>;

}  // namespace morvane
