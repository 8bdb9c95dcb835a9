#include "program_driver.h"

#include <commctrl.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "app/host_window.h"
#include "ui/check_window/check_window.h"

namespace morvane::e2e {
namespace {

std::wstring ClassName(HWND window) {
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(std::max(0, length)));
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM list) WINAPI -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The texts of a tooltip's tools, read through memory in its own process: the tool records
// hold pointers, so they cannot be passed across processes by the message alone.
std::vector<std::wstring> ToolTexts(HWND tooltip) {
    struct Block {
        TTTOOLINFOW tool;
        wchar_t text[1024];
    };
    std::vector<std::wstring> texts;
    DWORD processId = 0;
    GetWindowThreadProcessId(tooltip, &processId);
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return texts;
    auto* remote = static_cast<Block*>(
        VirtualAllocEx(process, nullptr, sizeof(Block), MEM_COMMIT, PAGE_READWRITE));
    Block empty{};
    empty.tool.cbSize = sizeof(TTTOOLINFOW);
    empty.tool.lpszText = remote ? remote->text : nullptr;
    const LRESULT count = remote ? SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i) {
        Block read{};
        if (WriteProcessMemory(process, remote, &empty, sizeof(Block), nullptr) &&
            SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(remote)) &&
            ReadProcessMemory(process, remote->text, read.text, sizeof(read.text) - sizeof(wchar_t),
                              nullptr)) {
            texts.emplace_back(read.text);
        }
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return texts;
}

// Whether a process whose program file has this name is running (any folder's).
bool ProcessRunning(const std::wstring& programName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    bool running = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !running;
         more = Process32NextW(snapshot, &entry)) {
        running = lstrcmpiW(entry.szExeFile, programName.c_str()) == 0;
    }
    CloseHandle(snapshot);
    return running;
}

std::vector<std::string> RecordedCommandLines(const std::wstring& recorderPath) {
    std::vector<std::string> lines;
    std::ifstream log(std::filesystem::path(recorderPath + L".log"), std::ios::binary);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
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
        std::filesystem::path(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH * 4)))
            .parent_path();
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

std::vector<std::string> WaitForRecordedCommandLines(const std::wstring& recorderPath,
                                                     HWND programWindow, std::size_t count) {
    WaitUntil([&] { return RecordedCommandLines(recorderPath).size() >= count; });
    // A message sent to the program's window is handled once its thread is back at its message
    // loop: every launch it made by then has started. Each has logged once it has ended.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(programWindow, WM_NULL, 0, 0, SMTO_BLOCK, kPatience, &ignored);
    const std::wstring recorderName = std::filesystem::path(recorderPath).filename().wstring();
    WaitUntil([&] { return !ProcessRunning(recorderName); });
    return RecordedCommandLines(recorderPath);
}

RunningProgram::RunningProgram(const std::wstring& program) {
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_)) {
        return;
    }
    WaitUntil([&] {
        host_ = FindOwnWindow([](HWND w) { return ClassName(w) == kHostWindowClass; });
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

bool RunningProgram::WaitForExit(DWORD milliseconds) const {
    return process_.hProcess &&
           WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void RunningProgram::IconEvent(LPARAM event) const {
    PostMessageW(host_, WM_USER + 1, 125, event);
}

bool RunningProgram::IconEventHandled(LPARAM event) const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(host_, WM_USER + 1, 125, event, SMTO_NORMAL, kPatience, &result) != 0;
}

bool RunningProgram::ChooseMenuItem(int position) const {
    RightClick();
    const HWND menu = WaitForShownWindow(L"#32768", L"");
    if (!menu) return false;
    for (int i = 0; i < position; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    return true;
}

HWND RunningProgram::FindOwnWindow(const std::function<bool(HWND)>& wanted) const {
    for (const HWND window : TopLevelWindows()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process_.dwProcessId && wanted(window)) return window;
    }
    return nullptr;
}

HWND RunningProgram::ShownWindow(const wchar_t* windowClass, const std::wstring& caption,
                                 int childId) const {
    return FindOwnWindow([&](HWND w) {
        return IsWindowVisible(w) && (!windowClass || ClassName(w) == windowClass) &&
               WindowText(w) == caption && (childId == 0 || GetDlgItem(w, childId));
    });
}

HWND RunningProgram::WaitForShownWindow(const wchar_t* windowClass, const std::wstring& caption,
                                        int childId, DWORD milliseconds) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = ShownWindow(windowClass, caption, childId)) != nullptr; },
              milliseconds);
    return found;
}

bool RunningProgram::WaitUntilNoCheckWindow() const {
    return WaitUntil([&] { return CheckWindow() == nullptr; });
}

std::optional<std::wstring> RunningProgram::AnswerMessageBox(const std::wstring& title) const {
    const HWND box = WaitForMessageBox(title);
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
    probe.uID = id;
    probe.uFlags = 0;  // changes nothing; succeeds only for an icon the shell holds
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

bool TooltipShows(const std::wstring& text) {
    for (const HWND window : TopLevelWindows()) {
        if (ClassName(window) != TOOLTIPS_CLASSW) continue;
        const auto texts = ToolTexts(window);
        if (std::find(texts.begin(), texts.end(), text) != texts.end()) return true;
    }
    return false;
}

std::wstring WindowText(HWND window) {
    wchar_t text[4096];
    const LRESULT length = SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, static_cast<std::size_t>(std::max<LRESULT>(0, length)));
}

std::vector<std::wstring> ListEntries(HWND checkWindow) {
    const HWND list = GetDlgItem(checkWindow, kIdWordList);
    std::vector<std::wstring> entries(
        static_cast<std::size_t>(std::max<LRESULT>(0, SendMessageW(list, LB_GETCOUNT, 0, 0))));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::wstring& text = entries[i];
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        text.resize(static_cast<std::size_t>(std::max<LRESULT>(0, length)) + 1);
        text.resize(static_cast<std::size_t>(std::max<LRESULT>(
            0, SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data())))));
    }
    return entries;
}

void SetWord(HWND checkWindow, const std::wstring& word) {
    SendMessageW(GetDlgItem(checkWindow, kIdWordBox), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(word.c_str()));
}

std::vector<std::wstring> CheckWordAndRead(HWND checkWindow, const std::wstring& word) {
    SetWord(checkWindow, word);
    SendMessageW(GetDlgItem(checkWindow, kIdCheck), BM_CLICK, 0, 0);
    return ListEntries(checkWindow);
}

void PressCheckLater(HWND checkWindow, const std::wstring& word) {
    SetWord(checkWindow, word);
    PostMessageW(GetDlgItem(checkWindow, kIdCheck), BM_CLICK, 0, 0);
}

void DoubleClickEntry(HWND checkWindow, int index) {
    const HWND list = GetDlgItem(checkWindow, kIdWordList);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // Sent, not posted: a posted one could be handled later, inside the next Check's yield.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(checkWindow, WM_COMMAND, MAKEWPARAM(kIdWordList, LBN_DBLCLK),
                        reinterpret_cast<LPARAM>(list), SMTO_NORMAL, kPatience, &result);
}

RegistryValueOverride::RegistryValueOverride(HKEY root, std::wstring key, std::wstring name,
                                             const std::wstring& value)
    : root_(root), key_(std::move(key)), name_(std::move(name)) {
    DWORD size = 0;
    for (int read = 0; read < 2; ++read) {  // the size, then the value as stored
        existed_ = RegGetValueW(root_, key_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type_,
                                read ? data_.data() : nullptr, &size) == ERROR_SUCCESS;
        data_.resize(size);
    }
    RegSetKeyValueW(root_, key_.c_str(), name_.c_str(), REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

RegistryValueOverride::~RegistryValueOverride() {
    if (!existed_) RegDeleteKeyValueW(root_, key_.c_str(), name_.c_str());
    else RegSetKeyValueW(root_, key_.c_str(), name_.c_str(), type_, data_.data(), static_cast<DWORD>(data_.size()));
}

ShellOpensWithRecorder::ShellOpensWithRecorder(const std::wstring& recorderPath)
    : command_(L"\"" + recorderPath + L"\" \"%1\""),
      https_(HKEY_LOCAL_MACHINE, L"Software\\Classes\\https\\shell\\open\\command", L"", command_),
      txtExtension_(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.txt", L"", L"txtfile"),
      txtFile_(HKEY_LOCAL_MACHINE, L"Software\\Classes\\txtfile\\shell\\open\\command", L"",
               command_) {}

}  // namespace morvane::e2e
