#include "program_driver.h"

#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>

#include "app/host_window.h"

namespace morvane::e2e {
bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(10);
    }
}

ScenarioFolder::ScenarioFolder() {
    wchar_t self[MAX_PATH * 4];
    const std::filesystem::path bin =
        std::filesystem::path(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH * 4))).parent_path();
    CopyFileW((bin / L"Morvane.exe").c_str(), (*this / L"Morvane.exe").c_str(), FALSE);
    CopyFileW((bin / L"shell_recorder.exe").c_str(), (*this / L"recorder.exe").c_str(), FALSE);
    Write(L"Morvane.dictionary", kTestDictionary);
    Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=10\r\n");
    Write(L"ReadMe.txt", "Morvane read-me for the tests.\r\n");
}

RunningProgram::RunningProgram(const std::wstring& program) {
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process_)) {
        return;
    }
    WaitUntil([&] {
        host_ = testing::FindWindowOf(process_.dwProcessId,
                                      [](HWND w) { return testing::ClassName(w) == kHostWindowClass; });
        return host_ != nullptr || WaitForExit(0);
    }, 2 * kPatience);
}

RunningProgram::~RunningProgram() {
    if (!process_.hProcess) return;
    if (!WaitForExit(0)) {
        // The host window's unload removes the icon; a program stuck in a box is ended.
        if (host_) PostMessageW(host_, WM_CLOSE, 0, 0);
        if (!WaitForExit()) {
            TerminateProcess(process_.hProcess, 1);
            WaitForExit();
        }
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool RunningProgram::ChooseMenuItem(int position) const {
    RightClick();
    const HWND menu = WaitForShownWindow(L"#32768", L"");
    if (!menu) return false;
    for (int i = 0; i < position; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    return true;
}

std::optional<std::wstring> RunningProgram::AnswerMessageBox(const std::wstring& title) const {
    const HWND box = WaitForShownWindow(kDialogClass, title, kMessageBoxTextId);
    if (!box) return std::nullopt;
    const std::wstring text = WindowText(GetDlgItem(box, kMessageBoxTextId));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    if (!WaitUntil([&] { return !IsWindow(box); })) return std::nullopt;
    return text;
}

bool TrayIconCall(HWND host, DWORD operation) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
    icon.hWnd = host;
    icon.uID = kTrayIconId;
    return Shell_NotifyIconW(operation, &icon) != FALSE;
}

std::wstring FullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 4, full, nullptr);
    return length ? std::wstring(full, length) : path;
}

std::vector<std::wstring> ListEntries(HWND checkWindow) {
    const HWND list = GetDlgItem(checkWindow, kIdWordList);
    std::vector<std::wstring> entries;
    wchar_t text[1024];
    for (LRESULT i = 0, count = SendMessageW(list, LB_GETCOUNT, 0, 0); i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.emplace_back(text, static_cast<std::size_t>(std::max<LRESULT>(0, length)));
    }
    return entries;
}

std::vector<std::wstring> CheckWordAndRead(HWND checkWindow, const std::wstring& word) {
    SetDlgItemTextW(checkWindow, kIdWordBox, word.c_str());
    SendMessageW(GetDlgItem(checkWindow, kIdCheck), BM_CLICK, 0, 0);
    return ListEntries(checkWindow);
}

void PressCheckLater(HWND checkWindow, const std::wstring& word) {
    SetDlgItemTextW(checkWindow, kIdWordBox, word.c_str());
    PostMessageW(GetDlgItem(checkWindow, kIdCheck), BM_CLICK, 0, 0);
}

void RegistryValues::Set(HKEY root, const wchar_t* key, const wchar_t* name, DWORD type, const void* data,
                         DWORD size) {
    Saved& saved = saved_.emplace_back(Saved{root, key, name});
    DWORD savedSize = 0;
    for (int read = 0; read < 2; ++read) {  // the size, then the value as stored
        saved.existed = RegGetValueW(root, key, name, RRF_RT_ANY | RRF_NOEXPAND, &saved.type,
                                     read ? saved.data.data() : nullptr, &savedSize) == ERROR_SUCCESS;
        saved.data.resize(savedSize);
    }
    RegSetKeyValueW(root, key, name, type, data, size);
}

RegistryValues::~RegistryValues() {
    for (auto value = saved_.rbegin(); value != saved_.rend(); ++value) {
        if (!value->existed) RegDeleteKeyValueW(value->root, value->key, value->name);
        else RegSetKeyValueW(value->root, value->key, value->name, value->type, value->data.data(),
                             static_cast<DWORD>(value->data.size()));
    }
}

ShellOpensWithRecorder::ShellOpensWithRecorder(const ScenarioFolder& folder) : recorder_(folder / L"recorder.exe") {
    const std::wstring command = L"\"" + recorder_ + L"\" \"%1\"";
    Set(HKEY_LOCAL_MACHINE, L"Software\\Classes\\https\\shell\\open\\command", L"", command);
    Set(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.txt", L"", L"txtfile");
    Set(HKEY_LOCAL_MACHINE, L"Software\\Classes\\txtfile\\shell\\open\\command", L"", command);
}

std::vector<std::wstring> ShellOpensWithRecorder::WaitForCommandLines(HWND programWindow, std::size_t count) const {
    const auto logged = [&] {  // UTF-8, one line each
        const std::string log = testing::ReadFileBytes(recorder_ + L".log").value_or("");
        std::wstring text(log.size(), L'\0');
        text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, log.data(), static_cast<int>(log.size()),
                                                                 text.data(), static_cast<int>(text.size()))));
        std::vector<std::wstring> lines;
        for (std::size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    };
    WaitUntil([&] { return logged().size() >= count; });
    // Once the program is idle, every launch it made has started. Each has logged once it has ended.
    WaitUntilIdle(programWindow);
    WaitUntil([] {  // no recorder, from any folder, runs
        const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof(entry);
        bool running = false;
        for (BOOL more = Process32FirstW(snapshot, &entry); more && !running; more = Process32NextW(snapshot, &entry))
            running = lstrcmpiW(entry.szExeFile, L"recorder.exe") == 0;
        CloseHandle(snapshot);
        return !running;
    });
    return logged();
}

}  // namespace morvane::e2e
