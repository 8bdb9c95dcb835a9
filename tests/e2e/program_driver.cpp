#include "program_driver.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/host_window.h"

namespace morvane::e2e {
namespace {

std::wstring ClassName(HWND window) {
    wchar_t name[256];
    return std::wstring(name, static_cast<std::size_t>(GetClassNameW(window, name, 256)));
}

// The first top-level window of the process that is `wanted`.
HWND FindWindowOf(DWORD processId, const std::function<bool(HWND)>& wanted) {
    struct Search {
        DWORD processId;
        const std::function<bool(HWND)>& wanted;
        HWND found = nullptr;
    } search{processId, wanted};
    EnumWindows(
        [](HWND window, LPARAM data) WINAPI -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && s.wanted(window)) s.found = window;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether a process whose program file has this name is running (any folder's).
bool ProcessRunning(const wchar_t* programName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    bool running = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !running; more = Process32NextW(snapshot, &entry))
        running = lstrcmpiW(entry.szExeFile, programName) == 0;
    CloseHandle(snapshot);
    return running;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(10);
    }
}

ScenarioFolder::ScenarioFolder() {
    static int counter = 0;
    wchar_t temp[MAX_PATH + 1], self[MAX_PATH * 4];
    GetTempPathW(MAX_PATH + 1, temp);
    path_ = std::wstring(temp) + L"morvane-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++counter);
    CreateDirectoryW(path_.c_str(), nullptr);
    const std::filesystem::path bin =
        std::filesystem::path(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH * 4))).parent_path();
    CopyFileW((bin / L"Morvane.exe").c_str(), File(L"Morvane.exe").c_str(), FALSE);
    CopyFileW((bin / L"shell_recorder.exe").c_str(), File(L"recorder.exe").c_str(), FALSE);
    Write(L"Morvane.dictionary", kTestDictionary);
    Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=10\r\n");
    Write(L"ReadMe.txt", "Morvane read-me for the tests.\r\n");
}

ScenarioFolder::~ScenarioFolder() {
    // A recorder that has just been started may still hold its log for a moment.
    WaitUntil([&] {
        std::error_code error;
        std::filesystem::remove_all(std::filesystem::path(path_), error);
        return !error;
    }, 3000);
}

void ScenarioFolder::Write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream(std::filesystem::path(File(name)), std::ios::binary | std::ios::trunc) << bytes;
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
        host_ = FindWindowOf(process_.dwProcessId, [](HWND w) { return ClassName(w) == kHostWindowClass; });
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

HWND RunningProgram::ShownWindow(const wchar_t* windowClass, const std::wstring& caption, int childId) const {
    return FindWindowOf(process_.dwProcessId, [&](HWND w) {
        return IsWindowVisible(w) && (!windowClass || ClassName(w) == windowClass) && WindowText(w) == caption &&
               (childId == 0 || GetDlgItem(w, childId));
    });
}

HWND RunningProgram::WaitForShownWindow(const wchar_t* windowClass, const std::wstring& caption,
                                        int childId) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = ShownWindow(windowClass, caption, childId)) != nullptr; });
    return found;
}

std::optional<std::wstring> RunningProgram::AnswerMessageBox(const std::wstring& title) const {
    const HWND box = WaitForShownWindow(L"#32770", title, 0xFFFF);  // 0xFFFF: a message box's text
    if (!box) return std::nullopt;
    const std::wstring text = WindowText(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    if (!WaitUntil([&] { return !IsWindow(box); })) return std::nullopt;
    return text;
}

bool TrayIconExists(HWND window, UINT id) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = NOTIFYICONDATAW_V1_SIZE;
    probe.hWnd = window;
    probe.uID = id;  // no flags: changes nothing, succeeds only for an icon the shell holds
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

std::wstring WindowText(HWND window) {
    wchar_t text[4096];
    const LRESULT length = SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, static_cast<std::size_t>(std::max<LRESULT>(0, length)));
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

ShellOpensWithRecorder::ShellOpensWithRecorder(const ScenarioFolder& folder)
    : recorder_(folder.File(L"recorder.exe")),
      command_(L"\"" + recorder_ + L"\" \"%1\""),
      saved_{{L"Software\\Classes\\https\\shell\\open\\command", command_},
             {L"Software\\Classes\\.txt", L"txtfile"},
             {L"Software\\Classes\\txtfile\\shell\\open\\command", command_}} {
    for (SavedValue& value : saved_) {
        DWORD size = 0;
        for (int read = 0; read < 2; ++read) {  // the size, then the value as stored
            value.existed = RegGetValueW(HKEY_LOCAL_MACHINE, value.key, L"", RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                                         read ? value.data.data() : nullptr, &size) == ERROR_SUCCESS;
            value.data.resize(size);
        }
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, value.key, L"", REG_SZ, value.set.c_str(),
                        static_cast<DWORD>((value.set.size() + 1) * sizeof(wchar_t)));
    }
}

ShellOpensWithRecorder::~ShellOpensWithRecorder() {
    for (const SavedValue& value : saved_) {
        if (!value.existed) RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, value.key, L"");
        else RegSetKeyValueW(HKEY_LOCAL_MACHINE, value.key, L"", value.type, value.data.data(),
                             static_cast<DWORD>(value.data.size()));
    }
}

std::vector<std::string> ShellOpensWithRecorder::WaitForCommandLines(HWND programWindow, std::size_t count) const {
    const auto logged = [&] {
        std::vector<std::string> lines;
        std::ifstream log(std::filesystem::path(recorder_ + L".log"), std::ios::binary);
        for (std::string line; std::getline(log, line);) lines.push_back(line);
        return lines;
    };
    WaitUntil([&] { return logged().size() >= count; });
    // Once the program is idle, every launch it made has started. Each has logged once it has ended.
    WaitUntilIdle(programWindow);
    WaitUntil([&] { return !ProcessRunning(L"recorder.exe"); });
    return logged();
}

}  // namespace morvane::e2e
