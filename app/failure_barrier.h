#pragma once
// Tray events absorb failures: a step that fails is skipped and the caller goes on with the
// next one, so nothing ever unwinds into the window system.
#include <exception>

namespace morvane {

template <typename Step>
void RunStep(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
        // Skipped, as a failing step of a tray event is.
    }
}

}  // namespace morvane
