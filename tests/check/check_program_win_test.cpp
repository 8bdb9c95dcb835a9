// The real morvane-check.exe on Windows, as an editor or a script runs it: over pipes, with
// CR LF input and words beyond ASCII, whatever the console's code page; its personal word list
// in the user's data folder; and at a console, typed at and read from its screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/console_program.h"
#include "tests/support/temp_directory.h"

namespace morvane {
namespace {

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

// Each test's morvane-check keeps its personal word list in a scratch %APPDATA%, inherited from
// this process, which gets its own back afterwards.
class CheckProgramOverPipes : public ::testing::Test {
protected:
    CheckProgramOverPipes() { SetEnvironmentVariableW(L"APPDATA", data_.Path().c_str()); }
    ~CheckProgramOverPipes() override { SetEnvironmentVariableW(L"APPDATA", ownAppData_.c_str()); }

    static ProgramRun RunCheck(const std::wstring& arguments, const std::string& input) {
        ProgramRun run = RunOverPipes(CheckProgram() + L" " + arguments, input);
        EXPECT_TRUE(run.started) << "could not start morvane-check: error " << GetLastError();
        EXPECT_TRUE(run.ended) << "waited 2 minutes for morvane-check " << ::testing::PrintToString(arguments);
        return run;
    }
    // Each line that comes back: written with LF alone, and UTF-8 whole.
    static void ExpectLfLines(const std::string& out) {
        EXPECT_EQ(out.find('\r'), std::string::npos) << "a CR in " << out;
        EXPECT_TRUE(out.empty() || out.back() == '\n') << out;
    }

    const std::wstring ownAppData_ = _wgetenv(L"APPDATA");
    TempDirectory data_;
};

TEST_F(CheckProgramOverPipes, WordsAndJsonTakeCrLfLinesAndWideArgumentsWhole) {
    const ProgramRun words = RunCheck(L"", std::string("recieve\r\n") + kNaive + "\r\nhello\r\n");
    EXPECT_EQ(words.status, 1u) << words.err;
    ExpectLfLines(words.out);
    EXPECT_EQ(words.out.find("recieve: not found; suggestions: receive, recessive, Recife\n"), 0u) << words.out;
    EXPECT_NE(words.out.find(std::string("\n") + kNaive + ": "), std::string::npos) << words.out;
    EXPECT_NE(words.out.find("\nhello: found\n"), std::string::npos) << words.out;

    // The argument as typed, beyond the ANSI code page (Cyrillic "da"), from the wide command line.
    const ProgramRun json = RunCheck(L"--json \u0434\u0430", "");
    ExpectLfLines(json.out);
    EXPECT_EQ(json.out.find("{\"word\":\"\xD0\xB4\xD0\xB0\","), 0u) << json.out;
}

// Pipe and list modes count characters, not bytes, and the personal word list that the pipe
// mode saves in the user's data folder is read back by the next run.
TEST_F(CheckProgramOverPipes, PipeAndListModesCountCharactersAndShareThePersonalList) {
    // "naïve " is six characters (seven bytes), after the one of the caret.
    const ProgramRun pipe = RunCheck(L"-a", std::string("^") + kNaive + " recieve\r\n" + kCafe + "\r\n*Morvanish\r\n*" +
                                                kUberword + "\r\n#\r\n");
    EXPECT_EQ(pipe.status, 0u) << pipe.err;
    ExpectLfLines(pipe.out);
    // After the version line:
    EXPECT_EQ(pipe.out.substr(pipe.out.find('\n') + 1), "*\n& recieve 3 7: receive, recessive, Recife\n\n*\n\n");
    const auto saved = ReadFileBytes(data_ / L"Morvane\\personal-words.txt");
    ASSERT_TRUE(saved) << "no personal-words.txt in %APPDATA%\\Morvane";
    EXPECT_NE(saved->find(kUberword), std::string::npos) << *saved;

    const ProgramRun list =
        RunCheck(L"-l", std::string(kNaive) + " recieve the\r\nteh " + kCafe + " Morvanish MORVANISH\r\n");
    EXPECT_EQ(list.status, 0u) << list.err;
    EXPECT_EQ(list.out, "recieve\nteh\n");
}

TEST_F(CheckProgramOverPipes, WithoutAppDataNoListIsReadOrWritten) {
    SetEnvironmentVariableW(L"APPDATA", nullptr);
    for (const wchar_t* mode : {L"-a", L"-l"}) {
        const ProgramRun run = RunCheck(mode, "*Morvanish\r\n#\r\n");
        EXPECT_EQ(run.status, 2u) << ::testing::PrintToString(mode);
        EXPECT_NE(run.err.find("APPDATA"), std::string::npos) << run.err;
        EXPECT_EQ(run.out.find('&'), std::string::npos) << "it went on without a list: " << run.out;
    }
    // Nor one beside the program instead.
    EXPECT_EQ(GetFileAttributesW((ProgramFolder() + L"\\Morvane").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(RunCheck(L"hello", "").status, 0u) << "the words mode needs no list";
}

// Whether done() came true within the patience given, asked every 50 ms.
bool WaitUntil(const std::function<bool()>& done, DWORD patienceMs = kPatienceMs) {
    for (const ULONGLONG end = GetTickCount64() + patienceMs;; Sleep(50)) {
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
        if (started_) TerminateProcess(process_.hProcess, 1);  // if it still runs
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
                record.Event.KeyEvent = {down, 1, static_cast<WORD>(key == L'\r' ? VK_RETURN : 0), 0, {key},
                                         key == L'\x1a' ? DWORD{LEFT_CTRL_PRESSED} : 0};
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
        return text.substr(0, read);
    }
    bool WaitForScreen(std::wstring_view shown) const {
        return WaitUntil([&] { return Screen().find(shown) != std::wstring::npos; });
    }
    DWORD WaitForExit() const {  // its exit status, or STILL_ACTIVE if it runs on
        DWORD status = ~DWORD{0};
        WaitForSingleObject(process_.hProcess, kPatienceMs);
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
    for (const std::wstring answer :
         {L"na\u00EFve: ", L"\u0434\u0430: ", L"recieve: not found; suggestions: receive, "}) {
        console.Type(answer.substr(0, answer.find(L':')) + L"\r");
        EXPECT_TRUE(console.WaitForScreen(answer))
            << "waited for " << ::testing::PrintToString(answer) << " on the screen:\n"
            << ::testing::PrintToString(console.Screen());
    }
    console.Type(L"\x1a\r");  // Ctrl+Z, Enter: the end of the input
    EXPECT_EQ(console.WaitForExit(), 1u) << "waited for the program to end at Ctrl+Z";
}

}  // namespace
}  // namespace morvane
