#pragma once
// One entry of the clipboard format collection: a format number and its display name.
#include <cstdint>
#include <string>

namespace morvane {

struct CClipFormat {
    // Returns the textual description of a given Clipboard format.
    std::wstring Name;
    // Returns the numeric specifier for a given Clipboard format.
    std::int32_t Format = 0;
};

}  // namespace morvane
