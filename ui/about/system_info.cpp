#include "ui/about/system_info.h"

#include "support/file_operations.h"
#include "support/unique_handle.h"
#include "ui/about/registry_value.h"

namespace morvane {
namespace {

// The tool's path, or the empty text when no entry leads to it.
std::wstring FindSysInfo(const SysInfoEnvironment& environment) {
    const auto exists = environment.fileExists ? environment.fileExists : FileExists;
    std::wstring path;
    if (GetKeyValue(environment.root, environment.pathKey, environment.pathValue, path)) return path;
    if (GetKeyValue(environment.root, environment.directoryKey, environment.directoryValue, path) &&
        exists(path + environment.programName)) {
        return path + environment.programName;
    }
    return {};
}

}  // namespace

bool StartProgram(const std::wstring& path) {
    if (path.empty()) return false;
    // The command line repeats the path, quoted, as the program's own name.
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return false;
    }
    UniqueKernelHandle process(started.hProcess);
    UniqueKernelHandle thread(started.hThread);
    return true;
}

void StartSysInfo(const SysInfoEnvironment& environment) {
    bool started = false;
    try {
        const std::wstring path = FindSysInfo(environment);
        started = !path.empty() && (environment.start ? environment.start(path) : StartProgram(path));
    } catch (...) {
        started = false;  // told below, like every other failure
    }
    if (!started) environment.tell(kSysInfoUnavailableText, kSysInfoUnavailableTitle, MB_OK);
}

}  // namespace morvane
