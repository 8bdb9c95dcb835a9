#pragma once
// The About dialog's version label.
#include <windows.h>

#include <string>

namespace morvane {

// "Version 1.0.0": major, minor and revision as decimal numbers without leading zeros.
std::wstring VersionLabel(unsigned major, unsigned minor, unsigned revision);

// The label for the file version in a module's VERSIONINFO resource (its first, second and
// fourth numbers: the third is not shown), or the empty text when it has none.
std::wstring ModuleVersionLabel(HMODULE module);

}  // namespace morvane
