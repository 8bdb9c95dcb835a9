#include "support/shell.h"

#include <shellapi.h>

namespace morvane {
namespace {

const ShellCalls kReal = {::ShellExecuteW};

}  // namespace

void OpenWithShell(const std::wstring& verb, const std::wstring& target,
                   const std::optional<std::wstring>& parameters,
                   const std::optional<std::wstring>& directory, int showCommand) {
    ActiveCalls<ShellCalls>()->ShellExecuteW(GetDesktopWindow(), verb.c_str(), target.c_str(),
                                             parameters ? parameters->c_str() : nullptr,
                                             directory ? directory->c_str() : nullptr, showCommand);
}

const ShellCalls& RealShellCalls() { return kReal; }

template <>
const ShellCalls*& ActiveCalls<ShellCalls>() {
    static const ShellCalls* active = &kReal;
    return active;
}

}  // namespace morvane
