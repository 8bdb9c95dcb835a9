#pragma once
// Starting the operating system's System Information tool from the About dialog.
#include <windows.h>

#include <functional>
#include <string>

namespace morvane {

inline constexpr wchar_t kSysInfoUnavailableText[] = L"System Information Is Unavailable At This Time";
inline constexpr wchar_t kSysInfoUnavailableTitle[] = L"Morvane";

// Where the tool is looked for, how it is started and how a failure is told: the program
// uses the defaults and tells in a box owned by the About dialog; tests put their own keys
// and stand-ins in.
struct SysInfoEnvironment {
    HKEY root = HKEY_LOCAL_MACHINE;
    std::wstring pathKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";  // value: the tool's full path
    std::wstring pathValue = L"PATH";
    std::wstring directoryKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";  // value: its directory
    std::wstring directoryValue = L"MSINFO";
    std::wstring programName = L"\\MSINFO32.EXE";
    std::function<bool(const std::wstring& path)> fileExists;    // default: FileExists
    std::function<bool(const std::wstring& program)> start;      // default: StartProgram
    std::function<void(const std::wstring& text, const std::wstring& title, UINT style)> tell;  // required: the owner's box
};

// Starts the tool at the first entry's path as it stands, or else at the second entry's
// directory followed by "\MSINFO32.EXE" when that file exists. Any failure (no entry, no
// file, a start that fails) is told as "System Information Is Unavailable At This Time".
void StartSysInfo(const SysInfoEnvironment& environment);

// Starts the program at path in a normal, activated window and does not wait for it. The
// path is the application name, so spaces in it cannot make another program start. False
// when it cannot be started.
bool StartProgram(const std::wstring& path);

}  // namespace morvane
