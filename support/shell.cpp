#include "support/shell.h"

#include <windows.h>
#include <shellapi.h>

namespace morvane {

void OpenWithShell(const std::wstring& verb, const std::wstring& target,
                   const std::optional<std::wstring>& parameters,
                   const std::optional<std::wstring>& directory, int showCommand) {
    ShellExecuteW(GetDesktopWindow(), verb.c_str(), target.c_str(),
                  parameters ? parameters->c_str() : nullptr, directory ? directory->c_str() : nullptr,
                  showCommand);
}

}  // namespace morvane
