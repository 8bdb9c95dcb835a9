#pragma once
// Asking the desktop shell to open a document or an internet address.
#include <optional>
#include <string>

namespace morvane {

// Hands the target to the shell with the verb (e.g. "open"), owned by the desktop window.
// The outcome is not examined: the shell reports its own failures, if any.
void OpenWithShell(const std::wstring& verb, const std::wstring& target,
                   const std::optional<std::wstring>& parameters,
                   const std::optional<std::wstring>& directory, int showCommand);

}  // namespace morvane
