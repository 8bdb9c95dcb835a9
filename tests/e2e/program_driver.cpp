#include "program_driver.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/host_window.h"
#include "ui/check_window/check_window.h"

namespace morvane::e2e {
namespace {

std::wstring TestProgramDirectory() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring full(path, length);
    return full.substr(0, full.find_last_of(L'\\'));
}

DWORD WindowProcessId(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

// The first top-level window of the process that passes the test.
HWND FindTopLevelWindow(DWORD processId, const std::function<bool(HWND)>& wanted) {
    struct Search {
        DWORD processId;
        const std::function<bool(HWND)>* wanted;
        HWND found = nullptr;
    } search{processId, &wanted};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (WindowProcessId(window) != s.processId || !(*s.wanted)(window)) return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool RemoveFolder(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name != L"." && name != L"..") DeleteFileW((path + L"\\" + name).c_str());
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    return RemoveDirectoryW(path.c_str()) != FALSE;
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
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    path_ = std::wstring(temp) + L"morvane-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++counter);
    CreateDirectoryW(path_.c_str(), nullptr);
    const std::wstring bin = TestProgramDirectory();
    CopyFileW((bin + L"\\Morvane.exe").c_str(), File(L"Morvane.exe").c_str(), FALSE);
    CopyFileW((bin + L"\\shell_recorder.exe").c_str(), File(L"recorder.exe").c_str(), FALSE);
    Write(L"Morvane.dictionary", kTestDictionary);
    Write(L"Settings.ini", "[Options]\r\nMaxSuggestions=10\r\n");
    Write(L"ReadMe.txt", "Morvane read-me for the tests.\r\n");
}

ScenarioFolder::~ScenarioFolder() {
    // A recorder that has just been started may still hold its log for a moment.
    WaitUntil([&] { return RemoveFolder(path_); }, 3000);
}

void ScenarioFolder::Write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream file(std::filesystem::path(File(name)), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void ScenarioFolder::Remove(const std::wstring& name) const {
    DeleteFileW(File(name).c_str());
}

std::wstring ScenarioFolder::CopyRecorderAs(const std::wstring& name) const {
    CopyFileW(File(L"recorder.exe").c_str(), File(name).c_str(), FALSE);
    return File(name);
}

std::vector<std::string> RecordedCommandLines(const std::wstring& recorderPath) {
    std::vector<std::string> lines;
    std::ifstream log(std::filesystem::path(recorderPath + L".log"), std::ios::binary);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> WaitForRecordedCommandLines(const std::wstring& recorderPath,
                                                     std::size_t count) {
    WaitUntil([&] { return RecordedCommandLines(recorderPath).size() >= count; }, 10000);
    Sleep(300);
    return RecordedCommandLines(recorderPath);
}

RunningProgram::RunningProgram(const ScenarioFolder& folder)
    : RunningProgram(folder.File(L"Morvane.exe")) {}

RunningProgram::RunningProgram(const std::wstring& program) {
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_)) {
        return;
    }
    processId_ = process_.dwProcessId;
    WaitUntil([&] {
        host_ = FindTopLevelWindow(processId_, [](HWND w) { return ClassName(w) == kHostWindowClass; });
        return host_ != nullptr || WaitForExit(0);
    }, 10000);
}

RunningProgram::~RunningProgram() {
    if (!process_.hProcess) return;
    if (!WaitForExit(0)) {
        // The host window's unload removes the icon; a program stuck in a box is ended.
        if (host_) PostMessageW(host_, WM_CLOSE, 0, 0);
        if (!WaitForExit(3000)) {
            TerminateProcess(process_.hProcess, 1);
            WaitForExit(3000);
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

void RunningProgram::LeftClick() const {
    PostMessageW(host_, WM_USER + 1, 125, WM_LBUTTONUP);
}

void RunningProgram::RightClick() const {
    PostMessageW(host_, WM_USER + 1, 125, WM_RBUTTONUP);
}

bool RunningProgram::ChooseMenuItem(int position) const {
    RightClick();
    HWND menu = nullptr;
    WaitUntil([&] {
        menu = FindTopLevelWindow(processId_, [](HWND w) {
            return IsWindowVisible(w) && ClassName(w) == L"#32768";
        });
        return menu != nullptr;
    });
    if (!menu) return false;
    for (int i = 0; i < position; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    return true;
}

HWND RunningProgram::FindWindowNamed(const wchar_t* windowClass, const std::wstring& caption) const {
    return FindTopLevelWindow(processId_, [&](HWND w) {
        return IsWindowVisible(w) && (!windowClass || ClassName(w) == windowClass) &&
               WindowText(w) == caption;
    });
}

HWND RunningProgram::WaitForWindow(const wchar_t* windowClass, const std::wstring& caption,
                                   DWORD milliseconds) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowNamed(windowClass, caption)) != nullptr; },
              milliseconds);
    return found;
}

HWND RunningProgram::CheckWindow() const {
    // Message boxes may carry the same caption: the check window is the one with a word box.
    return FindTopLevelWindow(processId_, [](HWND w) {
        return IsWindowVisible(w) && ClassName(w) == L"#32770" &&
               WindowText(w) == kCheckWindowCaption && GetDlgItem(w, kIdWordBox) != nullptr;
    });
}

HWND RunningProgram::WaitForCheckWindow() const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = CheckWindow()) != nullptr; });
    return found;
}

bool RunningProgram::WaitUntilNoCheckWindow() const {
    return WaitUntil([&] { return CheckWindow() == nullptr; });
}

HWND RunningProgram::WaitForMessageBox(const std::wstring& title, DWORD milliseconds) const {
    HWND found = nullptr;
    WaitUntil([&] {
        found = FindTopLevelWindow(processId_, [&](HWND w) {
            return IsWindowVisible(w) && ClassName(w) == L"#32770" && WindowText(w) == title &&
                   GetDlgItem(w, 0xFFFF) != nullptr;
        });
        return found != nullptr;
    }, milliseconds);
    return found;
}

bool TrayIconExists(HWND window, UINT id) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = NOTIFYICONDATAW_V1_SIZE;
    probe.hWnd = window;
    probe.uID = id;
    probe.uFlags = 0;  // changes nothing; succeeds only for an icon the shell holds
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

namespace {

// Reads a tooltip's tools through memory in its own process: the tool records hold
// pointers, so they cannot be passed across processes by the message alone.
void AppendToolTexts(HWND tooltip, std::vector<std::wstring>& texts) {
    DWORD processId = 0;
    GetWindowThreadProcessId(tooltip, &processId);
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return;
    constexpr std::size_t kTextChars = 1024;
    const SIZE_T bytes = sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t);
    auto* remote = static_cast<BYTE*>(
        VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE));
    if (remote) {
        const LRESULT count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::vector<BYTE> local(bytes, 0);
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(TTTOOLINFOW));
            std::memcpy(local.data(), &tool, sizeof(tool));
            if (!WriteProcessMemory(process, remote, local.data(), bytes, nullptr)) break;
            if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                              reinterpret_cast<LPARAM>(remote))) {
                continue;
            }
            std::vector<wchar_t> text(kTextChars, L'\0');
            ReadProcessMemory(process, remote + sizeof(TTTOOLINFOW), text.data(),
                              kTextChars * sizeof(wchar_t), nullptr);
            text.back() = L'\0';
            texts.emplace_back(text.data());
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
}

}  // namespace

std::vector<std::wstring> TooltipTexts() {
    std::vector<std::wstring> texts;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            if (ClassName(window) == TOOLTIPS_CLASSW) {
                AppendToolTexts(window, *reinterpret_cast<std::vector<std::wstring>*>(data));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::wstring WindowText(HWND window) {
    wchar_t text[4096];
    const LRESULT length =
        SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::wstring MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF));
}

void PressOk(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

HWND FindChildWithText(HWND parent, const std::wstring& text) {
    struct Search {
        const std::wstring* text;
        HWND found = nullptr;
    } search{&text};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (WindowText(child) != *s.text) return TRUE;
            s.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::wstring> ListEntries(HWND checkWindow) {
    const HWND list = GetDlgItem(checkWindow, kIdWordList);
    std::vector<std::wstring> entries;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto index = static_cast<WPARAM>(i);
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
        std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        const LRESULT copied =
            SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
        entries.push_back(text);
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
                        reinterpret_cast<LPARAM>(list), SMTO_NORMAL, 5000, &result);
}

RegistryValueOverride::RegistryValueOverride(HKEY root, std::wstring key, std::wstring name,
                                             std::optional<std::wstring> value)
    : root_(root), key_(std::move(key)), name_(std::move(name)) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(root_, key_.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &opened, nullptr) != ERROR_SUCCESS) {
        return;
    }
    DWORD size = 0;
    if (RegQueryValueExW(opened, name_.c_str(), nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
        data_.resize(size);
        existed_ = RegQueryValueExW(opened, name_.c_str(), nullptr, &type_, data_.data(),
                                    &size) == ERROR_SUCCESS;
    }
    if (value) {
        RegSetValueExW(opened, name_.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(value->c_str()),
                       static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteValueW(opened, name_.c_str());
    }
    RegCloseKey(opened);
}

RegistryValueOverride::~RegistryValueOverride() {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root_, key_.c_str(), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return;
    if (existed_) {
        RegSetValueExW(opened, name_.c_str(), 0, type_, data_.data(),
                       static_cast<DWORD>(data_.size()));
    } else {
        RegDeleteValueW(opened, name_.c_str());
    }
    RegCloseKey(opened);
}

ShellOpensWithRecorder::ShellOpensWithRecorder(const std::wstring& recorderPath)
    : command_(L"\"" + recorderPath + L"\" \"%1\""),
      https_(HKEY_LOCAL_MACHINE, L"Software\\Classes\\https\\shell\\open\\command", L"", command_),
      txtExtension_(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.txt", L"", L"txtfile"),
      txtFile_(HKEY_LOCAL_MACHINE, L"Software\\Classes\\txtfile\\shell\\open\\command", L"",
               command_) {}

}  // namespace morvane::e2e
