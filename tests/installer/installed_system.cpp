#include "installed_system.h"

#include <msi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

namespace morvane::installer {

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH];
    return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, path)) ? path : L"";
}

DWORD Msiexec(const std::wstring& arguments) {
    std::wstring commandLine = L"msiexec.exe " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "could not start msiexec: error " << GetLastError();
        return ~DWORD{0};
    }
    DWORD status = ~DWORD{0};
    if (WaitForSingleObject(process.hProcess, 5 * 60 * 1000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &status);
    } else {
        ADD_FAILURE() << "waited 5 minutes for msiexec " << testing::PrintToString(arguments);
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

std::vector<std::wstring> InstalledProducts() {
    std::vector<std::wstring> products;
    wchar_t code[39];
    for (DWORD i = 0; MsiEnumRelatedProductsW(kUpgradeCode, 0, i, code) == ERROR_SUCCESS; ++i) {
        products.emplace_back(code);
    }
    return products;
}

std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key,
                                         const std::wstring& name) {
    wchar_t data[2048];
    DWORD size = sizeof(data);
    if (RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ |
                                                          RRF_NOEXPAND,
                     nullptr, data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

std::vector<std::wstring> SubkeyNames(HKEY root, const std::wstring& key) {
    std::vector<std::wstring> names;
    HKEY opened;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return names;
    wchar_t name[256];
    for (DWORD i = 0, length = 256; RegEnumKeyExW(opened, i, name, &length, nullptr, nullptr,
                                                  nullptr, nullptr) == ERROR_SUCCESS;
         ++i, length = 256) {
        names.emplace_back(name);
    }
    RegCloseKey(opened);
    return names;
}

std::vector<std::wstring> ProgramListEntries() {
    std::vector<std::wstring> entries;
    for (const auto& name : SubkeyNames(HKEY_LOCAL_MACHINE, kUninstallKey)) {
        const std::wstring key = std::wstring(kUninstallKey) + L"\\" + name;
        if (RegistryText(HKEY_LOCAL_MACHINE, key, L"DisplayName") == L"Morvane") {
            entries.push_back(key);
        }
    }
    return entries;
}

std::vector<Shortcut> StartMenuShortcuts() {
    std::vector<Shortcut> shortcuts;
    for (const int csidl : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
        const std::wstring path = KnownFolder(csidl) + L"\\Morvane.lnk";
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        Shortcut shortcut{path, {}, {}};
        IShellLinkW* link = nullptr;
        IPersistFile* file = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(&link))) &&
            SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&file))) &&
            SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
            wchar_t text[MAX_PATH];
            int index = 0;
            if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0))) shortcut.target = text;
            if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &index))) shortcut.icon = text;
        }
        if (file) file->Release();
        if (link) link->Release();
        shortcuts.push_back(shortcut);
    }
    return shortcuts;
}

}  // namespace morvane::installer
