#pragma once
// A move-only owner for a Win32 handle, one traits type for each way a handle is released
// and for the value that means "no handle" (null for most, INVALID_HANDLE_VALUE for files
// and file searches).
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
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
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
struct KernelHandleTraits {  // processes, threads
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { CloseHandle(h); }
};
struct RegistryKeyTraits {  // RegOpenKeyEx, RegCreateKeyEx
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { RegCloseKey(h); }
};
struct GdiObjectTraits {  // fonts, bitmaps, pens
    using Handle = HGDIOBJ;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { DeleteObject(h); }
};

using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueFind = UniqueHandle<FindHandleTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;

}  // namespace morvane
