#pragma once
// What an installation leaves on this Windows, read from the test process: msiexec runs, the
// installed products of Morvane's family, registry texts, the list of installed programs, the
// Start menu shortcut, and a snapshot of the whole prefix to compare before and after.
#include <windows.h>

#include <optional>
#include <set>
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

// Every file and folder on C: and every registry key and value name under the machine's
// software key and the user's keys, each as one line.
std::set<std::wstring> PrefixSnapshot();
// The lines that appeared or went between two snapshots, one a line; Windows Installer's own
// containers, which it makes at its first install and keeps, are left out.
std::string Difference(const std::set<std::wstring>& before, const std::set<std::wstring>& after);

// The Start menu shortcuts named Morvane, in the common and the user's menu, resolved.
struct Shortcut {
    std::wstring path, target, icon;
};
std::vector<Shortcut> StartMenuShortcuts();

}  // namespace morvane::installer
