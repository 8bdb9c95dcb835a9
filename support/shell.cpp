#include "support/shell.h"

#include <shellapi.h>

namespace morvane {
namespace {

const ShellCalls kReal = {::ShellExecuteW};
const ShellCalls* gActive = &kReal;

}  // namespace

void OpenWithShell(const std::wstring& verb, const std::wstring& target,
                   const std::optional<std::wstring>& parameters,
                   const std::optional<std::wstring>& directory, int showCommand) {
    gActive->ShellExecuteW(GetDesktopWindow(), verb.c_str(), target.c_str(),
                           parameters ? parameters->c_str() : nullptr,
                           directory ? directory->c_str() : nullptr, showCommand);
}

const ShellCalls& RealShellCalls() { return kReal; }

ScopedShellCalls::ScopedShellCalls(const ShellCalls& calls) : previous_(gActive) { gActive = &calls; }

ScopedShellCalls::~ScopedShellCalls() { gActive = previous_; }

}  // namespace morvane
