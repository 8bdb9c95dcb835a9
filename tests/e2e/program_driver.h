#pragma once
// Drives the real Morvane.exe from the test process, in the same Wine session: a scenario
// folder holding a copy of the program and its files, the running program, and the windows
// it shows.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/check_window/check_window.h"

namespace morvane::e2e {

// How long a wait for the program lasts before it gives up: generous, for a busy machine.
inline constexpr DWORD kPatience = 20000;

// Polls every 10 ms until done() holds or the time is up.
bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds = kPatience);

// The test dictionary: sorted by lower-cased form, CR LF between lines.
inline constexpr char kTestDictionary[] =
    "abbey\r\nable\r\nabout\r\napple\r\nbad\r\nbead\r\nbed\r\nbid\r\nbud\r\nhello\r\nParis\r\n"
    "receive\r\nzoo";

// A temporary folder with Morvane.exe, the recorder (recorder.exe), the test dictionary,
// Settings.ini (MaxSuggestions=10) and ReadMe.txt; removed with everything in it at the end.
class ScenarioFolder {
public:
    ScenarioFolder();
    ~ScenarioFolder();
    ScenarioFolder(const ScenarioFolder&) = delete;
    ScenarioFolder& operator=(const ScenarioFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
    void Write(const std::wstring& name, const std::string& bytes) const;
    void Remove(const std::wstring& name) const { DeleteFileW(File(name).c_str()); }

private:
    std::wstring path_;
};

// Waits for the recorder copied at `recorderPath` to log at least `count` command lines, then
// for the program (through programWindow, one of its windows) to finish what it was doing and
// for every recorder to end, so a stray extra launch is logged too; the lines logged.
std::vector<std::string> WaitForRecordedCommandLines(const std::wstring& recorderPath,
                                                     HWND programWindow, std::size_t count = 1);

// The program started from a scenario folder; ended at the end of the test if still running.
class RunningProgram {
public:
    explicit RunningProgram(const ScenarioFolder& folder)
        : RunningProgram(folder.File(L"Morvane.exe")) {}
    // The program at programPath, started in its own folder.
    explicit RunningProgram(const std::wstring& programPath);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND Host() const { return host_; }  // nullptr when it never appeared
    bool WaitForExit(DWORD milliseconds = kPatience) const;
    DWORD ExitCode() const;

    // A notification of the tray icon, as the shell posts it.
    void IconEvent(LPARAM event) const;
    // The same notification sent: true once the program has handled it (a handler that runs
    // a modal loop handles it inside that loop).
    bool IconEventHandled(LPARAM event) const;
    void LeftClick() const { IconEvent(WM_LBUTTONUP); }
    void RightClick() const { IconEvent(WM_RBUTTONUP); }
    // Opens the tray menu and chooses the item at `position` (the separators are skipped by
    // the keyboard).
    static constexpr int kShow = 1, kAbout = 2, kReadMe = 3, kExit = 4;
    bool ChooseMenuItem(int position) const;

    // A visible top-level window of the program with this class (nullptr: any) and caption,
    // and, unless childId is 0, a child with that identifier.
    HWND ShownWindow(const wchar_t* windowClass, const std::wstring& caption,
                     int childId = 0) const;
    HWND WaitForShownWindow(const wchar_t* windowClass, const std::wstring& caption,
                            int childId = 0, DWORD milliseconds = kPatience) const;
    // The visible check window: message boxes may carry the same caption, but no word box.
    HWND CheckWindow() const { return ShownWindow(L"#32770", kCheckWindowCaption, kIdWordBox); }
    HWND WaitForCheckWindow() const {
        return WaitForShownWindow(L"#32770", kCheckWindowCaption, kIdWordBox);
    }
    bool WaitUntilNoCheckWindow() const;
    // A message box (a dialog with the static text 0xFFFF) with this title.
    HWND WaitForMessageBox(const std::wstring& title, DWORD milliseconds = kPatience) const {
        return WaitForShownWindow(L"#32770", title, 0xFFFF, milliseconds);
    }
    // Waits for that box, presses OK and waits for it to go: its text, or nullopt if none came.
    std::optional<std::wstring> AnswerMessageBox(const std::wstring& title) const;

private:
    HWND FindOwnWindow(const std::function<bool(HWND)>& wanted) const;

    PROCESS_INFORMATION process_{};
    HWND host_ = nullptr;
};

// Whether the shell holds a notification icon with this window and identifier.
bool TrayIconExists(HWND window, UINT id);
// Whether a tooltip on the desktop has a tool with this text: the notification area shows
// each icon's tip in one.
bool TooltipShows(const std::wstring& text);

std::wstring WindowText(HWND window);

// The check window's controls.
std::vector<std::wstring> ListEntries(HWND checkWindow);
void SetWord(HWND checkWindow, const std::wstring& word);
// Types the word and clicks Check; returns when the list has been filled.
std::vector<std::wstring> CheckWordAndRead(HWND checkWindow, const std::wstring& word);
// Types the word and clicks Check without waiting, for a Check that may show a message box.
void PressCheckLater(HWND checkWindow, const std::wstring& word);
// Selects the entry and sends the list's double-click notification; returns once handled.
void DoubleClickEntry(HWND checkWindow, int index);

// A registry value set for the length of a test and then put back as it was.
class RegistryValueOverride {
public:
    RegistryValueOverride(HKEY root, std::wstring key, std::wstring name, const std::wstring& value);
    ~RegistryValueOverride();
    RegistryValueOverride(const RegistryValueOverride&) = delete;
    RegistryValueOverride& operator=(const RegistryValueOverride&) = delete;

private:
    HKEY root_;
    std::wstring key_, name_;
    bool existed_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> data_;
};

// The shell's "open" for https addresses and .txt files goes to the recorder at this path.
class ShellOpensWithRecorder {
public:
    explicit ShellOpensWithRecorder(const std::wstring& recorderPath);

private:
    std::wstring command_;
    RegistryValueOverride https_, txtExtension_, txtFile_;
};

}  // namespace morvane::e2e
