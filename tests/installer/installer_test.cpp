// The installer package in a scratch Wine prefix: install, repair, upgrade and uninstall, each
// checked on the files, shortcut and registry entries it leaves, and on the installed program.
// Started by installer_test.sh:
//   installer_tests PACKAGE VERSION NEXT_PACKAGE NEXT_VERSION SHIPPED_FOLDER
#include <windows.h>
#include <msi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/program_driver.h"
#include "tests/support/console_program.h"

namespace morvane::installer {
namespace {

using e2e::RunningProgram;
using testing::ReadFileBytes;
using testing::RunOverPipes;
using testing::WriteFileBytes;

// The product family: fixed for good, so that every later package upgrades every earlier one.
constexpr wchar_t kUpgradeCode[] = L"{45368EA4-B946-48F1-A42D-7F79633615D9}";
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr char kEditedSettings[] = "[Options]\r\nMaxSuggestions=3\r\n";
const std::vector<std::wstring> kShippedFiles{L"Morvane.exe", L"morvane-check.exe", L"Morvane.dictionary",
                                              L"Morvane.dictionary.copyright", L"ReadMe.txt", L"Settings.ini"};

struct Packages {
    std::wstring current, version, next, nextVersion, shippedFolder;
} packages;

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH];
    return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, path)) ? path : L"";
}
std::wstring Installed(const std::wstring& name) { return KnownFolder(CSIDL_PROGRAM_FILES) + L"\\Morvane\\" + name; }
std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::optional<std::wstring> RegistryText(const std::wstring& key, const wchar_t* name) {
    wchar_t data[2048];
    DWORD size = sizeof(data);
    const DWORD types = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, types, nullptr, data, &size) != ERROR_SUCCESS) return {};
    return data;
}
std::optional<std::wstring> StartAtSignIn() {
    return RegistryText(L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Morvane");
}

// The machine's PATH as the registry holds it, its variables not expanded.
std::optional<std::wstring> MachinePath() {
    return RegistryText(L"System\\CurrentControlSet\\Control\\Session Manager\\Environment", L"PATH");
}
// Its folders, in order. Empty entries are left out: they name no folder, and Wine's Windows
// Installer leaves the separator before a value it takes out.
std::vector<std::wstring> MachinePathFolders() {
    std::vector<std::wstring> folders;
    std::wistringstream path(MachinePath().value_or(L""));
    for (std::wstring folder; std::getline(path, folder, L';');) {
        if (!folder.empty()) folders.push_back(folder);
    }
    return folders;
}

// What a program started now finds through PATH, as an editor starts morvane-check: the
// machine's PATH from the registry (the user's has no Morvane folder), expanded, made this
// process's own so that CreateProcessW searches it. Gives the full path found.
std::wstring FindCheckProgramOnPath() {
    const auto path = MachinePath();
    wchar_t expanded[8192];
    if (!path || ExpandEnvironmentStringsW(path->c_str(), expanded, 8192) == 0) return L"";
    SetEnvironmentVariableW(L"PATH", expanded);
    wchar_t found[MAX_PATH] = L"";
    if (SearchPathW(nullptr, L"morvane-check.exe", nullptr, MAX_PATH, found, nullptr) == 0) return L"";
    return CharLowerW(found);
}

// The installed products of Morvane's family.
std::vector<std::wstring> InstalledProducts() {
    std::vector<std::wstring> products;
    wchar_t code[39];
    for (DWORD i = 0; MsiEnumRelatedProductsW(kUpgradeCode, 0, i, code) == ERROR_SUCCESS; ++i) products.push_back(code);
    return products;
}

// Runs "msiexec ARGUMENTS" and gives its exit status. Not over pipes: its helpers would
// inherit them and could keep them open.
DWORD Msiexec(const std::wstring& arguments) {
    std::wstring commandLine = L"msiexec.exe " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    DWORD status = ~DWORD{0};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "could not start msiexec: error " << GetLastError();
        return status;
    }
    const bool ended = WaitForSingleObject(process.hProcess, 5 * 60 * 1000) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended) << "waited 5 minutes for msiexec " << ::testing::PrintToString(arguments);
    if (!ended) TerminateProcess(process.hProcess, 1);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread), CloseHandle(process.hProcess);
    return status;
}
void Install(const std::wstring& package, const std::wstring& options = L"") {
    ASSERT_EQ(Msiexec(L"/i " + Quoted(package) + L" /qn " + options), 0u) << "installing with " << options;
}

// The targets of the Start menu shortcuts named Morvane, in the common and the user's menu;
// each must show an icon that exists.
std::vector<std::wstring> StartMenuShortcutTargets() {
    std::vector<std::wstring> targets;
    for (const int csidl : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
        const std::wstring path = KnownFolder(csidl) + L"\\Morvane.lnk";
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        IShellLinkW* link = nullptr;
        IPersistFile* file = nullptr;
        wchar_t target[MAX_PATH] = L"", icon[MAX_PATH] = L"";
        int index = 0;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
            SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&file))) && SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
            link->GetPath(target, MAX_PATH, nullptr, 0);
            link->GetIconLocation(icon, MAX_PATH, &index);
        }
        if (file) file->Release();
        if (link) link->Release();
        EXPECT_NE(GetFileAttributesW(icon), INVALID_FILE_ATTRIBUTES)
            << "the shortcut's icon " << ::testing::PrintToString(icon);
        targets.push_back(CharLowerW(target));
    }
    return targets;
}

void ExpectShippedFilesInstalled(const std::vector<std::wstring>& names) {
    for (const auto& name : names) {
        const auto shipped = ReadFileBytes(packages.shippedFolder + L"\\" + name);
        ASSERT_TRUE(shipped) << "the test found no shipped " << ::testing::PrintToString(name);
        const auto installed = ReadFileBytes(Installed(name));
        EXPECT_TRUE(installed == shipped) << ::testing::PrintToString(name) << (installed ? " differs" : " is missing");
    }
}

// Waits for a running Morvane to end, its icon removed with it.
void ExpectEndedWithoutIcon(const RunningProgram& program) {
    EXPECT_TRUE(program.WaitForExit()) << "waited for the running Morvane to end";
    EXPECT_FALSE(e2e::TrayIconExists(program.Host()));
}

// The installed program started from its folder shows its icon and checks the word (gives the
// list it shows); WM_CLOSE ends it and removes the icon.
std::vector<std::wstring> RunInstalledProgram(const std::wstring& word) {
    std::vector<std::wstring> entries;
    RunningProgram program(Installed(L"Morvane.exe"));
    const HWND host = program.Host();
    EXPECT_TRUE(host && e2e::WaitUntil([&] { return e2e::TrayIconExists(host); }))
        << "waited for the installed program's host window and icon";
    if (!host) return entries;
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    EXPECT_NE(window, nullptr) << "waited for the check window";
    if (window) entries = e2e::CheckWordAndRead(window, word);
    PostMessageW(host, WM_CLOSE, 0, 0);
    ExpectEndedWithoutIcon(program);
    return entries;
}

// The entry of the product in the list of installed programs: named Morvane, with its
// version, publisher and icon, and Remove and Repair offered.
void ExpectProgramListEntry(const std::wstring& product, const std::wstring& version) {
    const std::wstring key = kUninstallKey + product;
    for (const auto& [name, value] : {std::pair<const wchar_t*, std::wstring>{L"DisplayName", L"Morvane"},
                                      {L"DisplayVersion", version}, {L"Publisher", L"Morvane authors"},
                                      {L"DisplayIcon", Installed(L"Morvane.exe") + L",0"}}) {
        EXPECT_EQ(RegistryText(key, name), value) << name;
    }
    EXPECT_TRUE(RegistryText(key, L"UninstallString"));
    for (const wchar_t* hidden : {L"NoRemove", L"NoRepair"}) {
        DWORD flag = 0, size = sizeof(flag);
        const LSTATUS status =
            RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), hidden, RRF_RT_REG_DWORD, nullptr, &flag, &size);
        EXPECT_TRUE(status != ERROR_SUCCESS || flag == 0) << hidden << " is set";
    }
}

// One product's life, in order: installed silently, start at sign-in left out and added
// again, repaired, upgraded and uninstalled while it runs.
TEST(Installer, InstallsRepairsUpgradesAndUninstallsLeavingThePrefixAsItWas) {
    const std::wstring program = Installed(L"Morvane.exe");

    const auto pathBefore = MachinePathFolders();
    const std::wstring personalList = KnownFolder(CSIDL_APPDATA) + L"\\Morvane\\personal-words.txt";
    ASSERT_EQ(GetFileAttributesW(personalList.c_str()), INVALID_FILE_ATTRIBUTES) << "a personal list before";

    Install(packages.current);
    ExpectShippedFilesInstalled(kShippedFiles);
    // The installed morvane-check, started by its bare name, speaks the pipe mode and saves the
    // personal word list in the user's data folder (checked to be there, and kept, after the uninstall).
    EXPECT_EQ(FindCheckProgramOnPath(), CharLowerW(Installed(L"morvane-check.exe").data())) << "found through PATH";
    const auto run = RunOverPipes(L"morvane-check -a", "recieve\r\n*Morvanish\r\n#\r\nMorvanish\r\n");
    EXPECT_TRUE(run.started && run.ended) << "waited 2 minutes for morvane-check through PATH";
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_NE(run.out.find("\n& recieve 3 0: receive, recessive, Recife\n"), std::string::npos) << run.out;
    EXPECT_EQ(StartMenuShortcutTargets(), std::vector<std::wstring>{CharLowerW(std::wstring(program).data())});
    EXPECT_EQ(StartAtSignIn(), Quoted(program));
    const auto products = InstalledProducts();
    ASSERT_EQ(products.size(), 1u);
    ExpectProgramListEntry(products[0], packages.version);

    Install(packages.current, L"REMOVE=StartAtSignIn");
    EXPECT_EQ(StartAtSignIn(), std::nullopt);
    ExpectShippedFilesInstalled(kShippedFiles);
    EXPECT_EQ(StartMenuShortcutTargets().size(), 1u);
    Install(packages.current, L"ADDLOCAL=StartAtSignIn");
    EXPECT_EQ(StartAtSignIn(), Quoted(program));
    Install(packages.current, L"REMOVE=CommandLine");
    EXPECT_EQ(MachinePathFolders(), pathBefore) << "PATH after leaving the command line out";
    EXPECT_EQ(FindCheckProgramOnPath(), L"");
    Install(packages.current, L"ADDLOCAL=CommandLine");
    EXPECT_NE(FindCheckProgramOnPath(), L"");

    // Repaired as the list of installed programs' Repair does: missing or older files, registry
    // entries and shortcuts.
    const std::vector<std::wstring> restored{L"Morvane.dictionary", L"ReadMe.txt"};
    for (const auto& name : restored) ASSERT_TRUE(DeleteFileW(Installed(name).c_str()));
    WriteFileBytes(Installed(L"Settings.ini"), kEditedSettings);
    const std::wstring repair = L"/i " + products[0] + L" REINSTALL=ALL REINSTALLMODE=omus /qn";
    ASSERT_EQ(Msiexec(repair), 0u);
    ExpectShippedFilesInstalled(restored);
    EXPECT_EQ(ReadFileBytes(Installed(L"Settings.ini")), kEditedSettings);
    EXPECT_EQ(RunInstalledProgram(L"recieve"), (std::vector<std::wstring>{L"receive", L"recessive", L"Recife"}))
        << "with the edited limit of 3 suggestions";
    // Repaired again, with the settings file gone too: all three come back.
    for (const auto& name : {L"Morvane.dictionary", L"ReadMe.txt", L"Settings.ini"})
        ASSERT_TRUE(DeleteFileW(Installed(name).c_str()));
    EXPECT_EQ(Msiexec(repair), 0u);
    ExpectShippedFilesInstalled(kShippedFiles);

    // The upgrade ends the running program, About open in it and all, replaces the product and
    // keeps the edited settings.
    WriteFileBytes(Installed(L"Settings.ini"), kEditedSettings);
    {
        RunningProgram running(program);
        ASSERT_NE(running.Host(), nullptr) << "waited for the installed program's host window";
        ASSERT_TRUE(running.ChooseMenuItem(RunningProgram::kAbout));
        ASSERT_NE(running.WaitForShownWindow(nullptr, L"About Morvane"), nullptr) << "waited for About";
        Install(packages.next);
        ExpectEndedWithoutIcon(running);
    }
    const auto upgraded = InstalledProducts();
    ASSERT_EQ(upgraded.size(), 1u);
    EXPECT_EQ(RegistryText(kUninstallKey + products[0], L"DisplayName"), std::nullopt) << "the old entry stayed";
    ExpectProgramListEntry(upgraded[0], packages.nextVersion);
    EXPECT_EQ(ReadFileBytes(Installed(L"Settings.ini")), kEditedSettings);
    ExpectShippedFilesInstalled(
        {L"Morvane.exe", L"Morvane.dictionary", L"ReadMe.txt", L"Morvane.dictionary.copyright"});
    EXPECT_EQ(StartMenuShortcutTargets().size(), 1u);
    EXPECT_EQ(StartAtSignIn(), Quoted(program));

    {
        RunningProgram running(program);
        ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TrayIconExists(running.Host()); }))
            << "waited for the installed program's icon";
        EXPECT_EQ(Msiexec(L"/x " + upgraded[0] + L" /qn"), 0u);
        ExpectEndedWithoutIcon(running);
    }
    EXPECT_TRUE(InstalledProducts().empty());  // installer_test.sh compares the prefix with how it was
    EXPECT_EQ(MachinePathFolders(), pathBefore) << "PATH after uninstalling";
    EXPECT_TRUE(ReadFileBytes(personalList)) << "the personal word list that morvane-check saved is gone";
}

}  // namespace
}  // namespace morvane::installer

int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 6) {
        fprintf(stderr, "usage: installer_tests PACKAGE VERSION NEXT_PACKAGE NEXT_VERSION SHIPPED_FOLDER\n");
        return 2;
    }
    using morvane::e2e::FullPath;  // the paths made full, the versions as given
    morvane::installer::packages = {FullPath(argv[1]), argv[2], FullPath(argv[3]), argv[4], FullPath(argv[5])};
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int status = RUN_ALL_TESTS();
    CoUninitialize();
    return status;
}
