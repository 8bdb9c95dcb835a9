#pragma once
// The owners of Win32 handles: UniqueHandle, move-only, with a traits type that says how a
// handle is released and which value means "no handle" (null for most, INVALID_HANDLE_VALUE
// for files and file searches), and a typed alias for each kind of handle.
#include <windows.h>

#include <utility>

namespace morvane {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Detach()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Detach());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    bool Valid() const { return handle_ != Traits::Invalid(); }
    explicit operator bool() const { return Valid(); }
    void Reset(Handle handle = Traits::Invalid()) {
        if (Valid()) Traits::Release(handle_);
        handle_ = handle;
    }
    // Hands the handle on: it is no longer released here.
    Handle Detach() { return std::exchange(handle_, Traits::Invalid()); }

private:
    Handle handle_ = Traits::Invalid();
};

struct FileHandleTraits {  // CreateFile
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Release(Handle h) { CloseHandle(h); }
};
struct FindHandleTraits {  // FindFirstFile
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Release(Handle h) { FindClose(h); }
};
// Handles that are null when there is none and are released by one call.
template <typename H, auto ReleaseFunction>
struct NullHandleTraits {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { ReleaseFunction(h); }
};

using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueFind = UniqueHandle<FindHandleTraits>;
using UniqueKernelHandle = UniqueHandle<NullHandleTraits<HANDLE, &CloseHandle>>;    // processes, threads, mutexes
using UniqueRegistryKey = UniqueHandle<NullHandleTraits<HKEY, &RegCloseKey>>;       // RegOpenKeyEx, RegCreateKeyEx
using UniqueBitmap = UniqueHandle<NullHandleTraits<HBITMAP, &DeleteObject>>;        // LoadImage, CreateDIBSection
using UniqueFont = UniqueHandle<NullHandleTraits<HFONT, &DeleteObject>>;            // CreateFont
using UniqueBrush = UniqueHandle<NullHandleTraits<HBRUSH, &DeleteObject>>;          // CreateSolidBrush
using UniqueMemoryDc = UniqueHandle<NullHandleTraits<HDC, &DeleteDC>>;              // CreateCompatibleDC
using UniqueMenu = UniqueHandle<NullHandleTraits<HMENU, &DestroyMenu>>;             // CreatePopupMenu
using UniqueWindow = UniqueHandle<NullHandleTraits<HWND, &DestroyWindow>>;          // CreateWindowEx
using UniqueLocalMemory = UniqueHandle<NullHandleTraits<HLOCAL, &LocalFree>>;       // LocalAlloc, FormatMessage

// A window's device context (GetDC), held for one scope and released to that window.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace morvane
