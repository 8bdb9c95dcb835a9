#include "support/app_paths.h"

#include <windows.h>

namespace morvane {
namespace {

std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // cut short: grow and ask again
    }
}

}  // namespace

std::wstring DirectoryOfPath(const std::wstring& fullPath) {
    const auto slash = fullPath.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    std::wstring directory = fullPath.substr(0, slash);
    if (directory.size() == 2 && directory[1] == L':') directory += L'\\';  // "C:" -> "C:\"
    return directory;
}

std::wstring ApplicationDirectory() { return DirectoryOfPath(ExecutablePath()); }

}  // namespace morvane
