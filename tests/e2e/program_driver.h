#pragma once
// Drives the real Morvane.exe from the test process, in the same Wine session: a scenario
// folder holding a copy of the program and its files, the running program, and the windows
// it shows.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/temp_directory.h"
#include "tests/support/window_search.h"
#include "ui/check_window/check_window.h"

namespace morvane::e2e {

using testing::kDialogClass;
using testing::kMessageBoxTextId;
using testing::WindowText;

// The identifier of the program's one tray icon.
inline constexpr UINT kTrayIconId = 125;

// How long a wait for the program lasts before it gives up: generous, for a busy machine.
inline constexpr DWORD kPatience = 20000;

// Polls every 10 ms until done() holds or the time is up.
bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds = kPatience);

// Returns once the thread of the window is back at its message loop, with all it was doing
// done (a message sent to the window is handled only then), or when the time is up.
inline void WaitUntilIdle(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, kPatience, &ignored);
}

// The test dictionary: sorted by lower-cased form, CR LF between lines.
inline constexpr char kTestDictionary[] =
    "abbey\r\nable\r\nabout\r\napple\r\nbad\r\nbead\r\nbed\r\nbid\r\nbud\r\nhello\r\nParis\r\n"
    "receive\r\nzoo";

// A temporary folder with Morvane.exe, the recorder (recorder.exe), the test dictionary,
// Settings.ini (MaxSuggestions=10) and ReadMe.txt; removed with everything in it at the end.
class ScenarioFolder : public testing::TempDirectory {
public:
    ScenarioFolder();
};

// The program started from its folder; ended at the end of the test if still running.
class RunningProgram {
public:
    explicit RunningProgram(const ScenarioFolder& folder)
        : RunningProgram(folder / L"Morvane.exe") {}
    explicit RunningProgram(const std::wstring& programPath);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND Host() const { return host_; }  // nullptr when it never appeared
    bool WaitForExit(DWORD milliseconds = kPatience) const {
        return process_.hProcess && WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    // A notification of the tray icon, posted as the shell posts it.
    void IconEvent(LPARAM event) const { PostMessageW(host_, WM_USER + 1, kTrayIconId, event); }
    // The same notification sent: true once handled (inside any modal loop its handler runs).
    bool IconEventHandled(LPARAM event) const {
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(host_, WM_USER + 1, kTrayIconId, event, SMTO_NORMAL, kPatience, &result) != 0;
    }
    void LeftClick() const { IconEvent(WM_LBUTTONUP); }
    void RightClick() const { IconEvent(WM_RBUTTONUP); }
    // Opens the tray menu and chooses the item at `position` (the keyboard skips separators).
    static constexpr int kShow = 1, kAbout = 2, kReadMe = 3, kExit = 4;
    bool ChooseMenuItem(int position) const;

    // A visible top-level window of the program with this class (nullptr: any) and caption,
    // and, unless childId is 0, a child with that identifier.
    HWND ShownWindow(const wchar_t* windowClass, const std::wstring& caption, int childId = 0) const {
        return testing::FindShownWindow(process_.dwProcessId, windowClass, caption, childId);
    }
    HWND WaitForShownWindow(const wchar_t* windowClass, const std::wstring& caption, int childId = 0) const {
        HWND found = nullptr;
        WaitUntil([&] { return (found = ShownWindow(windowClass, caption, childId)) != nullptr; });
        return found;
    }
    HWND ShownMenu() const { return ShownWindow(L"#32768", L""); }
    // The visible check window: message boxes may carry the same caption, but no word box.
    HWND CheckWindow() const { return ShownWindow(kDialogClass, kCheckWindowCaption, kIdWordBox); }
    HWND WaitForCheckWindow() const { return WaitForShownWindow(kDialogClass, kCheckWindowCaption, kIdWordBox); }
    bool WaitUntilNoCheckWindow() const {
        return WaitUntil([&] { return CheckWindow() == nullptr; });
    }
    // Waits for the message box with this title, presses OK and waits for it to go: its text,
    // or nullopt if none came.
    std::optional<std::wstring> AnswerMessageBox(const std::wstring& title) const;

private:
    PROCESS_INFORMATION process_{};
    HWND host_ = nullptr;
};

// An operation on the program's notification icon for this host window, its record holding no
// more: the shell's answer. NIM_MODIFY changes nothing, so succeeds only for an icon it holds.
bool TrayIconCall(HWND host, DWORD operation);
inline bool TrayIconExists(HWND host) { return TrayIconCall(host, NIM_MODIFY); }

// The full path of a path given relative to the current folder, or as a Linux path.
std::wstring FullPath(const std::wstring& path);

// The check window's controls.
std::vector<std::wstring> ListEntries(HWND checkWindow);
// Types the word and clicks Check; returns when the list has been filled.
std::vector<std::wstring> CheckWordAndRead(HWND checkWindow, const std::wstring& word);
// Types the word and clicks Check without waiting, for a Check that may show a message box.
void PressCheckLater(HWND checkWindow, const std::wstring& word);

// Registry values set while this lives, then put back as they were (or deleted if there were none).
class RegistryValues {
public:
    RegistryValues() = default;
    ~RegistryValues();
    RegistryValues(const RegistryValues&) = delete;
    RegistryValues& operator=(const RegistryValues&) = delete;

    void Set(HKEY root, const wchar_t* key, const wchar_t* name, DWORD type, const void* data, DWORD size);
    void Set(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& text) {
        Set(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

private:
    struct Saved {
        HKEY root;
        const wchar_t *key, *name;
        bool existed = false;
        DWORD type = 0;
        std::vector<BYTE> data{};
    };
    std::vector<Saved> saved_;
};

// The shell's "open" for https addresses and .txt files goes to the recorder of the folder
// while this lives.
class ShellOpensWithRecorder : RegistryValues {
public:
    explicit ShellOpensWithRecorder(const ScenarioFolder& folder);

    // Waits for at least `count` command lines logged, then for the program (through one of
    // its windows) to finish what it was doing and for every recorder to end, so that a stray
    // extra launch is logged too; the lines logged.
    std::vector<std::wstring> WaitForCommandLines(HWND programWindow, std::size_t count = 1) const;

private:
    std::wstring recorder_;
};

}  // namespace morvane::e2e
