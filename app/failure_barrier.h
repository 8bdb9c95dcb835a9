#pragma once
// Tray events absorb failures: a step that fails is skipped and the caller goes on with the
// next one, so nothing ever unwinds into the window system. The user is not told; a
// developer sees the step and the failure in the debug output.
#include <exception>
#include <string_view>

#include "support/debug_trace.h"

namespace morvane {

template <typename Step>
void RunStep(std::wstring_view name, Step&& step) noexcept {
    try {
        step();
    } catch (...) {
        TraceFailure(name, std::current_exception());
    }
}

}  // namespace morvane
