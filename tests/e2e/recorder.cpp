// Stands in for the programs the shell would start (a browser, a text editor, System
// Information): appends its command line, as UTF-8, to a log file named after itself.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t self[MAX_PATH * 4];
    const std::wstring logPath = std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH * 4)) + L".log";
    std::string line(1024 * 64, '\0');  // more than a command line holds
    line.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line.data(),
                                                             static_cast<int>(line.size()), nullptr, nullptr)));
    if (line.empty()) return 1;
    line.back() = '\n';  // in place of the terminator

    // Several recorders may start at once: the append is retried while another holds the file.
    for (int attempt = 0; attempt < 200; ++attempt, Sleep(10)) {
        const HANDLE log = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log == INVALID_HANDLE_VALUE) continue;
        DWORD written = 0;
        WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(log);
        return 0;
    }
    return 1;
}
