#pragma once
// Global memory blocks for clipboard data, through the swappable platform calls.
#include <windows.h>

#include <cstddef>

#include "clipboard/platform_calls.h"

namespace morvane {

// A block this code owns until the clipboard accepts it (release()); freed otherwise.
class OwnedGlobalBlock {
public:
    explicit OwnedGlobalBlock(HGLOBAL block = nullptr) : block_(block) {}
    ~OwnedGlobalBlock() {
        if (block_) Calls().GlobalFree(block_);
    }
    OwnedGlobalBlock(const OwnedGlobalBlock&) = delete;
    OwnedGlobalBlock& operator=(const OwnedGlobalBlock&) = delete;
    HGLOBAL get() const { return block_; }
    HGLOBAL release() {
        HGLOBAL block = block_;
        block_ = nullptr;
        return block;
    }

private:
    HGLOBAL block_;
};

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
