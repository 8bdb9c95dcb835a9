#pragma once
// Global memory blocks for clipboard data, through the swappable platform calls.
#include <windows.h>

#include <cstddef>

#include "clipboard/platform_calls.h"
#include "support/unique_handle.h"

namespace morvane {

struct GlobalBlockTraits {  // GlobalAlloc, freed through the table of platform calls
    using Handle = HGLOBAL;
    static Handle Invalid() { return nullptr; }
    static void Release(Handle h) { Calls().GlobalFree(h); }
};

// A block this code owns until the clipboard accepts it (Detach()); freed otherwise.
using OwnedGlobalBlock = UniqueHandle<GlobalBlockTraits>;

// A block locked for one scope, with the number of bytes it holds.
class LockedGlobalBlock {
public:
    explicit LockedGlobalBlock(HGLOBAL block)
        : block_(block), address_(block ? Calls().GlobalLock(block) : nullptr) {}
    ~LockedGlobalBlock() {
        if (address_) Calls().GlobalUnlock(block_);
    }
    LockedGlobalBlock(const LockedGlobalBlock&) = delete;
    LockedGlobalBlock& operator=(const LockedGlobalBlock&) = delete;
    void* address() const { return address_; }
    std::size_t size() const { return address_ ? Calls().GlobalSize(block_) : 0; }

private:
    HGLOBAL block_;
    void* address_;
};

// A new fixed block holding the given bytes followed by terminatorBytes zero bytes, or
// null when the memory could not be had.
HGLOBAL NewBlockWith(const void* bytes, std::size_t count, std::size_t terminatorBytes);

}  // namespace morvane
