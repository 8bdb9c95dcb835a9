#pragma once
// Asking the desktop shell to open a document or an internet address.
#include <windows.h>

#include <optional>
#include <string>

#include "support/scoped_calls.h"

namespace morvane {

// Hands the target to the shell with the verb (e.g. "open"), owned by the desktop window;
// absent parameters or directory are passed as none. The outcome is not examined: the shell
// reports its own failures, if any.
void OpenWithShell(const std::wstring& verb, const std::wstring& target,
                   const std::optional<std::wstring>& parameters,
                   const std::optional<std::wstring>& directory, int showCommand);

// The shell call OpenWithShell makes, as a table that defaults to the real API; a test swaps in
// a stand-in for one scope.
struct ShellCalls {
    HINSTANCE(WINAPI* ShellExecuteW)(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                     LPCWSTR directory, INT showCommand);
};

const ShellCalls& RealShellCalls();

template <>
const ShellCalls*& ActiveCalls<ShellCalls>();

using ScopedShellCalls = ScopedCalls<ShellCalls>;

}  // namespace morvane
