#pragma once
// Traces for developers: failures the program absorbs without telling the user, written with
// OutputDebugString, where a debugger (or Wine's +debugstr channel) shows them.
#include <exception>
#include <string_view>

namespace morvane {

// Writes "Morvane: " and the text as one line.
void Trace(std::wstring_view text) noexcept;

// Traces "<step> failed: " and what the failure says.
void TraceFailure(std::wstring_view step, std::exception_ptr failure) noexcept;

}  // namespace morvane
