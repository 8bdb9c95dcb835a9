#pragma once
// Drives the real Morvane.exe from the test process, in the same Wine session: a scenario
// folder holding a copy of the program and its files, the running program, and the windows
// it shows.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace morvane::e2e {

// Polls every 10 ms until done() holds or the time is up.
bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds = 5000);

// The test dictionary: sorted by lower-cased form, CR LF between lines.
inline constexpr char kTestDictionary[] =
    "abbey\r\nable\r\nabout\r\napple\r\nbad\r\nbead\r\nbed\r\nbid\r\nbud\r\nhello\r\nParis\r\n"
    "receive\r\nzoo";

// A temporary folder with Morvane.exe, the recorder, the test dictionary, Settings.ini
// (MaxSuggestions=10) and ReadMe.txt; removed with everything in it at the end.
class ScenarioFolder {
public:
    ScenarioFolder();
    ~ScenarioFolder();
    ScenarioFolder(const ScenarioFolder&) = delete;
    ScenarioFolder& operator=(const ScenarioFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
    void Write(const std::wstring& name, const std::string& bytes) const;
    void Remove(const std::wstring& name) const;
    // A copy of the recorder under another name; its log is that path + ".log".
    std::wstring CopyRecorderAs(const std::wstring& name) const;

private:
    std::wstring path_;
};

// The lines the recorder copied at `recorderPath` has logged so far.
std::vector<std::string> RecordedCommandLines(const std::wstring& recorderPath);
// Waits for at least `count` lines, then a little longer for any stray extra ones.
std::vector<std::string> WaitForRecordedCommandLines(const std::wstring& recorderPath,
                                                     std::size_t count = 1);

// The program started from a scenario folder; ended at the end of the test if still running.
class RunningProgram {
public:
    explicit RunningProgram(const ScenarioFolder& folder);
    // The program at programPath, started in its own folder.
    explicit RunningProgram(const std::wstring& programPath);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    DWORD ProcessId() const { return processId_; }
    HWND Host() const { return host_; }  // nullptr when it never appeared
    bool WaitForExit(DWORD milliseconds = 5000) const;
    DWORD ExitCode() const;

    // The tray icon's notifications, as the shell posts them.
    void LeftClick() const;
    void RightClick() const;
    // Opens the tray menu and chooses the item at `position` (1 = "Show Morvane"; the
    // separators are skipped by the keyboard, so 2 = About, 3 = Read Me, 4 = Exit).
    bool ChooseMenuItem(int position) const;

    // A visible top-level window of the program with this class (nullptr: any) and caption.
    HWND FindWindowNamed(const wchar_t* windowClass, const std::wstring& caption) const;
    HWND WaitForWindow(const wchar_t* windowClass, const std::wstring& caption,
                       DWORD milliseconds = 5000) const;
    HWND CheckWindow() const;  // the visible check window, or nullptr
    HWND WaitForCheckWindow() const;
    bool WaitUntilNoCheckWindow() const;
    // A message box (a dialog with a text) with this title.
    HWND WaitForMessageBox(const std::wstring& title, DWORD milliseconds = 5000) const;

private:
    PROCESS_INFORMATION process_{};
    DWORD processId_ = 0;
    HWND host_ = nullptr;
};

// Whether the shell holds a notification icon with this window and identifier.
bool TrayIconExists(HWND window, UINT id);
// The texts of every tooltip on the desktop, read from the processes that own them: the
// notification area shows each icon's tip in one.
std::vector<std::wstring> TooltipTexts();

std::wstring WindowText(HWND window);
// The text of a message box (its static control 0xFFFF), and pressing its OK button.
std::wstring MessageBoxText(HWND box);
void PressOk(HWND box);
// A child window whose text is exactly `text`.
HWND FindChildWithText(HWND parent, const std::wstring& text);

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
    // value nullopt: the value is removed for the length of the test.
    RegistryValueOverride(HKEY root, std::wstring key, std::wstring name,
                          std::optional<std::wstring> value);
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
