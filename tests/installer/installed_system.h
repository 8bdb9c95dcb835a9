#pragma once
// What an installation leaves on this Windows, read from the test process: msiexec runs, the
// installed products of Morvane's family, registry texts, the list of installed programs and
// the Start menu shortcut.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace morvane::installer {

// The product family: fixed for good, so that every later package upgrades every earlier one.
inline constexpr wchar_t kUpgradeCode[] = L"{45368EA4-B946-48F1-A42D-7F79633615D9}";
inline constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// A folder SHGetFolderPathW knows (CSIDL_...); empty when it knows none.
std::wstring KnownFolder(int csidl);

// Runs "msiexec ARGUMENTS" and gives its exit status; a failure to start it, or a run of more
// than five minutes, fails the test.
DWORD Msiexec(const std::wstring& arguments);

// The installed products of Morvane's family.
std::vector<std::wstring> InstalledProducts();

std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key,
                                         const std::wstring& name);
std::vector<std::wstring> SubkeyNames(HKEY root, const std::wstring& key);

// The entries named "Morvane" in the list of installed programs: their keys.
std::vector<std::wstring> ProgramListEntries();

// The Start menu shortcuts named Morvane, in the common and the user's menu, resolved.
struct Shortcut {
    std::wstring path, target, icon;
};
std::vector<Shortcut> StartMenuShortcuts();

}  // namespace morvane::installer
