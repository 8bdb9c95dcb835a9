#include "support/debug_trace.h"

#include <windows.h>

#include <string>

#include "support/text_convert.h"

namespace morvane {

void Trace(std::wstring_view text) noexcept {
    try {
        OutputDebugStringW((L"Morvane: " + std::wstring(text) + L"\n").c_str());
    } catch (...) {
        OutputDebugStringW(L"Morvane: a trace was lost for want of memory\n");
    }
}

void TraceFailure(std::wstring_view step, std::exception_ptr failure) noexcept {
    try {
        std::wstring text = std::wstring(step) + L" failed: ";
        try {
            if (failure) std::rethrow_exception(failure);
            text += L"no failure was given";
        } catch (const std::exception& error) {
            text += AnsiToWide(error.what());
        } catch (...) {
            text += L"an exception of an unknown kind";
        }
        Trace(text);
    } catch (...) {
        Trace(step);
    }
}

}  // namespace morvane
