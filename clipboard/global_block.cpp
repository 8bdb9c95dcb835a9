#include "clipboard/global_block.h"

#include <cstring>

namespace morvane {

HGLOBAL NewBlockWith(const void* bytes, std::size_t count, std::size_t terminatorBytes) {
    OwnedGlobalBlock block(Calls().GlobalAlloc(0, count + terminatorBytes));
    if (!block.Get()) return nullptr;
    {
        LockedGlobalBlock locked(block.Get());
        if (!locked.address()) return nullptr;
        auto* out = static_cast<unsigned char*>(locked.address());
        if (count) std::memcpy(out, bytes, count);
        std::memset(out + count, 0, terminatorBytes);
    }
    return block.Detach();
}

}  // namespace morvane
