#pragma once
// Where the program lives.
#include <string>

namespace morvane {

// The directory of the running executable as the platform reports it, without a trailing
// backslash, except that a drive root keeps its own ("C:\"). Empty when the platform cannot
// tell.
std::wstring ApplicationDirectory();

// The directory part of an executable's full path, by the same rule.
std::wstring DirectoryOfPath(const std::wstring& fullPath);

}  // namespace morvane
