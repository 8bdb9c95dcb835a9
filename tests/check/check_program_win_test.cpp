// The real morvane-check.exe on Windows, as an editor or a script runs it: over pipes, with
// CR LF input and words beyond ASCII, whatever the console's code page; its personal word list
// in the user's data folder; and at a console, typed at and read from its screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/console_program.h"
#include "tests/support/temp_directory.h"

namespace morvane {
namespace {

using testing::EnvironmentWith;
using testing::ProgramRun;
using testing::ReadFileBytes;
using testing::RunOverPipes;
using testing::TempDirectory;

constexpr char kNaive[] = "na\xC3\xAFve";  // UTF-8, as on the pipes
constexpr char kCafe[] = "caf\xC3\xA9";
constexpr char kUberword[] = "\xC3\xBC" "berword";
constexpr DWORD kPatienceMs = 60000;  // the dictionary's load is slow under emulation

// The folder of this test program, where morvane-check.exe is built beside the shipped
// dictionary and settings.
std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const std::wstring program(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return program.substr(0, program.find_last_of(L'\\'));
}
std::wstring CheckProgram() { return L"\"" + ProgramFolder() + L"\\morvane-check.exe\""; }

ProgramRun RunCheck(const std::wstring& arguments, const std::string& input, const std::wstring& environment = L"") {
    ProgramRun run = RunOverPipes(CheckProgram() + L" " + arguments, input, environment);
    EXPECT_TRUE(run.started) << "could not start morvane-check: error " << GetLastError();
    EXPECT_TRUE(run.ended) << "waited 2 minutes for morvane-check " << ::testing::PrintToString(arguments);
    return run;
}

// Each line that comes back: written with LF alone, and UTF-8 whole.
void ExpectLfLines(const std::string& out) {
    EXPECT_EQ(out.find('\r'), std::string::npos) << "a CR in " << out;
    EXPECT_TRUE(out.empty() || out.back() == '\n') << out;
}

TEST(CheckProgramOverPipes, WordsAndJsonTakeCrLfLinesAndWideArgumentsWhole) {
    const ProgramRun words = RunCheck(L"", std::string("recieve\r\n") + kNaive + "\r\nhello\r\n");
    EXPECT_EQ(words.status, 1u) << words.err;
    ExpectLfLines(words.out);
    EXPECT_EQ(words.out.find("recieve: not found; suggestions: receive, recessive, Recife\n"), 0u) << words.out;
    EXPECT_NE(words.out.find(std::string("\n") + kNaive + ": "), std::string::npos) << words.out;
    EXPECT_NE(words.out.find("\nhello: found\n"), std::string::npos) << words.out;

    // The arguments as typed, beyond the ANSI code page too (Cyrillic "da"), from the wide
    // command line.
    const ProgramRun json = RunCheck(L"--json na\u00EFve \u0434\u0430 hello", "");
    ExpectLfLines(json.out);
    EXPECT_EQ(json.out.find(std::string("{\"word\":\"") + kNaive + "\","), 0u) << json.out;
    EXPECT_NE(json.out.find("\n{\"word\":\"\xD0\xB4\xD0\xB0\","), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\n{\"word\":\"hello\",\"found\":true,\"entries\":[\"hello\"]}\n"), std::string::npos)
        << json.out;
}

TEST(CheckProgramOverPipes, PipeAndListModesCountCharactersNotBytes) {
    TempDirectory data;
    const std::wstring environment = EnvironmentWith({{L"APPDATA", data.Path()}});
    // "naïve " is six characters (seven bytes), after the one of the caret.
    const ProgramRun pipe = RunCheck(L"-a", std::string("^") + kNaive + " recieve\r\n" + kCafe + "\r\n", environment);
    EXPECT_EQ(pipe.status, 0u) << pipe.err;
    ExpectLfLines(pipe.out);
    const std::size_t version = pipe.out.find('\n');
    ASSERT_NE(version, std::string::npos) << pipe.out;
    EXPECT_EQ(pipe.out.substr(version + 1), "*\n& recieve 3 7: receive, recessive, Recife\n\n*\n\n");

    const ProgramRun list = RunCheck(L"-l", std::string(kNaive) + " recieve the\r\nteh " + kCafe + "\r\n", environment);
    EXPECT_EQ(list.status, 0u) << list.err;
    EXPECT_EQ(list.out, "recieve\nteh\n");
}

TEST(CheckProgramOverPipes, PersonalWordListLivesInTheUsersDataFolder) {
    TempDirectory data;
    const std::wstring environment = EnvironmentWith({{L"APPDATA", data.Path()}});
    const ProgramRun save = RunCheck(L"-a", std::string("*Morvanish\r\n*") + kUberword + "\r\n#\r\n", environment);
    EXPECT_EQ(save.status, 0u) << save.err;
    const auto saved = ReadFileBytes(data / L"Morvane\\personal-words.txt");
    ASSERT_TRUE(saved) << "no personal-words.txt in %APPDATA%\\Morvane";
    EXPECT_NE(saved->find(kUberword), std::string::npos) << *saved;

    const ProgramRun readBack = RunCheck(L"-l", "Morvanish recieve MORVANISH\r\n", environment);
    EXPECT_EQ(readBack.status, 0u) << readBack.err;
    EXPECT_EQ(readBack.out, "recieve\n");
}

TEST(CheckProgramOverPipes, WithoutAppDataNoListIsReadOrWritten) {
    const std::wstring environment = EnvironmentWith({{L"APPDATA", std::nullopt}});
    for (const wchar_t* mode : {L"-a", L"-l"}) {
        const ProgramRun run = RunCheck(mode, "*Morvanish\r\n#\r\n", environment);
        EXPECT_EQ(run.status, 2u) << ::testing::PrintToString(mode);
        EXPECT_NE(run.err.find("APPDATA"), std::string::npos) << run.err;
        EXPECT_EQ(run.out.find('&'), std::string::npos) << "it went on without a list: " << run.out;
    }
    const std::wstring besideProgram = ProgramFolder() + L"\\Morvane";
    EXPECT_EQ(GetFileAttributesW(besideProgram.c_str()), INVALID_FILE_ATTRIBUTES) << "a list beside the program";
    EXPECT_EQ(RunCheck(L"hello", "", environment).status, 0u) << "the words mode needs no list";
}

// Whether done() came true within the patience given, asked every 50 ms.
bool WaitUntil(const std::function<bool()>& done, DWORD patienceMs = kPatienceMs) {
    const ULONGLONG end = GetTickCount64() + patienceMs;
    for (;; Sleep(50)) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
    }
}

// A console of the program's own, typed at through its input queue and read from its screen,
// as a person at a console would.
class ConsoleSession {
public:
    ConsoleSession() {
        FreeConsole();
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
        std::wstring commandLine = CheckProgram();
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                                  nullptr, &startup, &process_);
        attached_ = started_ && WaitUntil([&] { return AttachConsole(process_.dwProcessId) != FALSE; });
        if (!attached_) return;
        input_ = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
        screen_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    }
    ~ConsoleSession() {
        if (started_ && WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
        for (HANDLE handle : {input_, screen_}) {
            if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        }
        if (attached_) FreeConsole();
        if (started_) CloseHandle(process_.hThread), CloseHandle(process_.hProcess);
    }
    bool Ready() const { return input_ != INVALID_HANDLE_VALUE && screen_ != INVALID_HANDLE_VALUE; }

    void Type(std::wstring_view keys) {
        std::vector<INPUT_RECORD> records;
        for (const wchar_t key : keys) {
            for (const BOOL down : {TRUE, FALSE}) {
                INPUT_RECORD record{};
                record.EventType = KEY_EVENT;
                record.Event.KeyEvent.bKeyDown = down;
                record.Event.KeyEvent.wRepeatCount = 1;
                record.Event.KeyEvent.wVirtualKeyCode = key == L'\r' ? VK_RETURN : 0;
                record.Event.KeyEvent.uChar.UnicodeChar = key;
                if (key == L'\x1a') record.Event.KeyEvent.dwControlKeyState = LEFT_CTRL_PRESSED;
                records.push_back(record);
            }
        }
        DWORD written = 0;
        EXPECT_TRUE(WriteConsoleInputW(input_, records.data(), static_cast<DWORD>(records.size()), &written));
    }
    // What the screen shows, its rows joined.
    std::wstring Screen() const {
        CONSOLE_SCREEN_BUFFER_INFO info{};
        if (!GetConsoleScreenBufferInfo(screen_, &info)) return L"";
        std::wstring text(static_cast<std::size_t>(info.dwSize.X) * info.dwSize.Y, L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen_, text.data(), static_cast<DWORD>(text.size()), {0, 0}, &read);
        text.resize(read);
        return text;
    }
    bool WaitForScreen(std::wstring_view shown) const {
        return WaitUntil([&] { return Screen().find(shown) != std::wstring::npos; });
    }
    std::optional<DWORD> WaitForExit() const {
        DWORD status = 0;
        if (WaitForSingleObject(process_.hProcess, kPatienceMs) != WAIT_OBJECT_0) return std::nullopt;
        GetExitCodeProcess(process_.hProcess, &status);
        return status;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false, attached_ = false;
    HANDLE input_ = INVALID_HANDLE_VALUE, screen_ = INVALID_HANDLE_VALUE;
};

TEST(CheckProgramAtConsole, AnswersEachLineAsItIsTypedInWideCharacters) {
    ConsoleSession console;
    ASSERT_TRUE(console.Ready()) << "could not start morvane-check in a console of its own and attach to it";
    // Each answer shows while the input is still open: line by line, not all at the end.
    console.Type(L"na\u00EFve\r");
    EXPECT_TRUE(console.WaitForScreen(L"na\u00EFve: ")) << "waited for the answer about na\u00EFve:\n"
                                                        << ::testing::PrintToString(console.Screen());
    console.Type(L"\u0434\u0430\r");
    EXPECT_TRUE(console.WaitForScreen(L"\u0434\u0430: ")) << "waited for the answer about \u0434\u0430:\n"
                                                          << ::testing::PrintToString(console.Screen());
    console.Type(L"recieve\r");
    EXPECT_TRUE(console.WaitForScreen(L"recieve: not found; suggestions: receive, "))
        << "waited for the third answer:\n"
        << ::testing::PrintToString(console.Screen());
    console.Type(L"\x1a\r");  // Ctrl+Z, Enter: the end of the input
    EXPECT_EQ(console.WaitForExit(), std::optional<DWORD>(1)) << "waited for the program to end at Ctrl+Z";
}

}  // namespace
}  // namespace morvane
