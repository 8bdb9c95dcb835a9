// The installer package in a scratch Wine prefix: install, repair, upgrade and uninstall, each
// checked on the files, shortcut and registry entries it leaves, and on the installed program.
// Started by installer_test.sh:
//   installer_tests PACKAGE VERSION NEXT_PACKAGE NEXT_VERSION SHIPPED_FOLDER
#include <windows.h>
#include <msi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "e2e/program_driver.h"
#include "installed_system.h"

namespace morvane::installer {
namespace {

using e2e::RunningProgram;
using e2e::WaitUntil;

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr UINT kIconId = 125;
const std::vector<std::wstring> kShippedFiles{L"Morvane.exe", L"Morvane.dictionary",
                                              L"Morvane.dictionary.copyright", L"ReadMe.txt",
                                              L"Settings.ini"};
constexpr char kEditedSettings[] = "[Options]\r\nMaxSuggestions=3\r\n";

struct Packages {
    std::wstring current, version, next, nextVersion, shippedFolder;
} packages;

std::wstring Wide(const char* text) { return std::wstring(text, text + strlen(text)); }
std::wstring FullPath(const char* path) {
    wchar_t full[MAX_PATH * 4];
    return std::wstring(full, GetFullPathNameW(Wide(path).c_str(), MAX_PATH * 4, full, nullptr));
}

const std::wstring& InstallFolder() {
    static const std::wstring folder = KnownFolder(CSIDL_PROGRAM_FILES) + L"\\Morvane";
    return folder;
}
std::wstring Installed(const std::wstring& name) { return InstallFolder() + L"\\" + name; }

std::optional<std::string> ReadFile(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}
void WriteFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
}
std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

void ExpectShippedFilesInstalled(const std::vector<std::wstring>& names) {
    for (const auto& name : names) {
        const auto shipped = ReadFile(packages.shippedFolder + L"\\" + name);
        ASSERT_TRUE(shipped) << "the test found no shipped " << testing::PrintToString(name);
        const auto installed = ReadFile(Installed(name));
        EXPECT_TRUE(installed == shipped)
            << testing::PrintToString(name) << (installed ? " differs from" : " is missing, unlike")
            << " the shipped file";
    }
}

// The installed program started from its folder shows its icon; WM_CLOSE ends it and
// removes the icon. Checks `word` first when given: the list it shows.
std::vector<std::wstring> RunInstalledProgram(const std::wstring& word = L"") {
    std::vector<std::wstring> entries;
    RunningProgram program(Installed(L"Morvane.exe"));
    const HWND host = program.Host();
    EXPECT_NE(host, nullptr) << "waited for the installed program's host window";
    if (!host) return entries;
    EXPECT_TRUE(WaitUntil([&] { return e2e::TrayIconExists(host, kIconId); }))
        << "waited for the installed program's icon";
    if (!word.empty()) {
        program.LeftClick();
        const HWND window = program.WaitForCheckWindow();
        EXPECT_NE(window, nullptr) << "waited for the check window";
        if (window) entries = e2e::CheckWordAndRead(window, word);
    }
    PostMessageW(host, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit()) << "waited for the program to end after WM_CLOSE";
    EXPECT_FALSE(e2e::TrayIconExists(host, kIconId));
    return entries;
}

void Install(const std::wstring& package, const std::wstring& options = L"") {
    ASSERT_EQ(Msiexec(L"/i " + Quoted(package) + L" /qn " + options), 0u) << "installing with " << options;
}

std::optional<std::wstring> StartAtSignIn() { return RegistryText(HKEY_LOCAL_MACHINE, kRunKey, L"Morvane"); }

// The package asks a running Morvane to end before it touches its files.
void ExpectEndedWithoutIcon(const RunningProgram& program) {
    EXPECT_TRUE(program.WaitForExit()) << "waited for the running Morvane to end";
    EXPECT_FALSE(e2e::TrayIconExists(program.Host(), kIconId));
}

// One product's life, in order: installed silently, start at sign-in left out and added
// again, repaired, upgraded and uninstalled while it runs.
TEST(Installer, InstallsRepairsUpgradesAndUninstallsLeavingThePrefixAsItWas) {
    const std::wstring program = Installed(L"Morvane.exe");

    Install(packages.current);
    ExpectShippedFilesInstalled(kShippedFiles);
    const auto shortcuts = StartMenuShortcuts();
    ASSERT_EQ(shortcuts.size(), 1u);
    EXPECT_EQ(_wcsicmp(shortcuts[0].target.c_str(), program.c_str()), 0) << shortcuts[0].target;
    EXPECT_NE(GetFileAttributesW(shortcuts[0].icon.c_str()), INVALID_FILE_ATTRIBUTES)
        << "the shortcut's icon " << testing::PrintToString(shortcuts[0].icon);
    EXPECT_EQ(StartAtSignIn(), Quoted(program));
    auto products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    auto entries = ProgramListEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], std::wstring(kUninstallKey) + L"\\" + products[0]);
    for (const auto& [name, value] : {std::pair<const wchar_t*, std::wstring>{L"DisplayVersion", packages.version},
                                      {L"Publisher", L"Morvane authors"}, {L"DisplayIcon", program + L",0"}})
        EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, entries[0], name), value) << name;
    EXPECT_TRUE(RegistryText(HKEY_LOCAL_MACHINE, entries[0], L"UninstallString"));
    for (const wchar_t* hidden : {L"NoRemove", L"NoRepair"}) {
        DWORD flag = 0, size = sizeof(flag);
        const LSTATUS status =
            RegGetValueW(HKEY_LOCAL_MACHINE, entries[0].c_str(), hidden, RRF_RT_REG_DWORD, nullptr, &flag, &size);
        EXPECT_TRUE(status != ERROR_SUCCESS || flag == 0) << hidden << " is set";
    }
    RunInstalledProgram();

    Install(packages.current, L"REMOVE=StartAtSignIn");
    EXPECT_EQ(StartAtSignIn(), std::nullopt);
    ExpectShippedFilesInstalled(kShippedFiles);
    EXPECT_EQ(StartMenuShortcuts().size(), 1u);
    Install(packages.current, L"ADDLOCAL=StartAtSignIn");
    EXPECT_EQ(StartAtSignIn(), Quoted(program));

    // What "msiexec /fomus" and the list of installed programs' Repair ask Windows Installer.
    const std::vector<std::wstring> restored{L"Morvane.dictionary", L"ReadMe.txt"};
    for (const auto& name : restored) ASSERT_TRUE(DeleteFileW(Installed(name).c_str()));
    WriteFile(Installed(L"Settings.ini"), kEditedSettings);
    MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
    ASSERT_EQ(MsiReinstallProductW(products[0].c_str(), REINSTALLMODE_FILEMISSING | REINSTALLMODE_FILEOLDERVERSION |
                                                            REINSTALLMODE_MACHINEDATA | REINSTALLMODE_USERDATA |
                                                            REINSTALLMODE_SHORTCUT),
              static_cast<UINT>(ERROR_SUCCESS));
    ExpectShippedFilesInstalled(restored);
    EXPECT_EQ(ReadFile(Installed(L"Settings.ini")), kEditedSettings);
    const auto checked = RunInstalledProgram(L"recieve");  // with the edited limit of 3 suggestions
    ASSERT_EQ(checked.size(), 3u);
    EXPECT_EQ(checked[0], L"receive");
    // The command line repair, with the settings file gone too: all three come back.
    for (const auto& name : {L"Morvane.dictionary", L"ReadMe.txt", L"Settings.ini"})
        ASSERT_TRUE(DeleteFileW(Installed(name).c_str()));
    EXPECT_EQ(Msiexec(L"/i " + products[0] + L" REINSTALL=ALL REINSTALLMODE=omus /qn"), 0u);
    ExpectShippedFilesInstalled(kShippedFiles);

    WriteFile(Installed(L"Settings.ini"), kEditedSettings);
    {
        RunningProgram running(program);
        ASSERT_NE(running.Host(), nullptr) << "waited for the installed program's host window";
        Install(packages.next);
        ExpectEndedWithoutIcon(running);
    }
    products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    wchar_t version[32];
    DWORD length = 32;
    ASSERT_EQ(MsiGetProductInfoW(products[0].c_str(), INSTALLPROPERTY_VERSIONSTRING, version, &length),
              static_cast<UINT>(ERROR_SUCCESS));
    EXPECT_EQ(version, packages.nextVersion);
    entries = ProgramListEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, entries[0], L"DisplayVersion"), version);
    EXPECT_EQ(ReadFile(Installed(L"Settings.ini")), kEditedSettings);
    ExpectShippedFilesInstalled({L"Morvane.exe", L"Morvane.dictionary", L"ReadMe.txt", L"Morvane.dictionary.copyright"});
    EXPECT_EQ(StartMenuShortcuts().size(), 1u);
    EXPECT_EQ(StartAtSignIn(), Quoted(program));

    {
        RunningProgram running(program);
        ASSERT_TRUE(WaitUntil([&] { return e2e::TrayIconExists(running.Host(), kIconId); }))
            << "waited for the installed program's icon";
        EXPECT_EQ(Msiexec(L"/x " + products[0] + L" /qn"), 0u);
        ExpectEndedWithoutIcon(running);
    }
    EXPECT_TRUE(InstalledProducts().empty());  // installer_test.sh compares the prefix with how it was
}

}  // namespace
}  // namespace morvane::installer

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 6) {
        fprintf(stderr,
                "usage: installer_tests PACKAGE VERSION NEXT_PACKAGE NEXT_VERSION SHIPPED_FOLDER\n");
        return 2;
    }
    using morvane::installer::FullPath;
    using morvane::installer::Wide;
    morvane::installer::packages = {FullPath(argv[1]), Wide(argv[2]), FullPath(argv[3]),
                                    Wide(argv[4]), FullPath(argv[5])};
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int status = RUN_ALL_TESTS();
    CoUninitialize();
    return status;
}
