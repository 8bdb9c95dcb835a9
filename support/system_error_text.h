#pragma once
// The system's own wording for an error code.
#include <string>

namespace morvane {

// For example "Access is denied." for error 5; "Error 1234." when the system has no text.
std::wstring SystemErrorText(unsigned long errorCode);

}  // namespace morvane
