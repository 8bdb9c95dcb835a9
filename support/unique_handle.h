#pragma once
// The owners of Win32 handles: UniqueHandle, move-only, with one traits type for each way a
// handle is released and for the value that means "no handle" (null for most,
// INVALID_HANDLE_VALUE for files and file searches), and a typed alias for each.
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
struct KernelHandleTraits {  // processes, threads, mutexes
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { CloseHandle(h); }
};
struct RegistryKeyTraits {  // RegOpenKeyEx, RegCreateKeyEx
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { RegCloseKey(h); }
};
template <typename GdiHandle>
struct GdiObjectTraits {  // bitmaps, fonts, brushes: CreateFont, LoadImage, CreateSolidBrush...
    using Handle = GdiHandle;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { DeleteObject(h); }
};
struct MemoryDcTraits {  // CreateCompatibleDC
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { DeleteDC(h); }
};
struct MenuTraits {  // CreatePopupMenu
    using Handle = HMENU;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { DestroyMenu(h); }
};
struct WindowTraits {  // CreateWindowEx
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { DestroyWindow(h); }
};

using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueFind = UniqueHandle<FindHandleTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;

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
