#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "console_streams_win32.h"
#include "platform.h"
#include "support/app_paths.h"
#include "support/file_operations.h"
#include "support/system_code_page.h"
#include "support/system_error_text.h"
#include "support/text_convert.h"
#include "support/win_dictionary_host.h"
#include "engine/utf8.h"

namespace morvane {

const char16_t kPathSeparator = u'\\';

ConsoleHost::ConsoleHost(std::ostream* messages) : codePage_(SystemAnsiCodePage()), messages_(messages) {}

bool ConsoleHost::FileExists(const std::u16string& path) { return morvane::FileExists(ToWide(path)); }

FileReadResult ConsoleHost::ReadWholeFile(const std::u16string& path) {
    return morvane::ReadWholeFile(ToWide(path), WordList::kMaxBytes);
}

void ConsoleHost::ShowMessage(const std::u16string& text, const std::u16string& title, int) {
    (messages_ ? *messages_ : std::cerr) << "morvane-check: " << Utf16ToUtf8(title) << ": " << Utf16ToUtf8(text) << '\n';
}

std::u16string ExecutableDirectory() { return ToU16(ApplicationDirectory()); }

std::vector<std::u16string> CommandLineArguments(int, char**) {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> args;
    for (int i = 1; argv && i < count; ++i) args.push_back(ToU16(argv[i]));
    LocalFree(argv);
    return args;
}

// Each stream on its own: a console's goes through the console's calls, a pipe's or a file's
// carries the bytes. Line ends are written as LF everywhere: a console shows it as a new line,
// and a client reading a pipe takes it whether it expects LF or CR LF (Emacs, decoding with a
// CR LF convention, leaves a lone LF as it is, while a CR it did not expect would stay in the
// text); CR LF typed or sent is read as LF.
struct StandardStreams::ConsoleParts {
    std::unique_ptr<ConsoleInputBuffer> inBuffer;
    std::unique_ptr<ConsoleOutputBuffer> outBuffer, errBuffer;
    std::istream in{nullptr};
    std::ostream out{nullptr}, err{nullptr};
};

StandardStreams::StandardStreams() : console_(std::make_unique<ConsoleParts>()) {
    for (FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
    ConsoleParts& parts = *console_;
    if (HANDLE input = GetStdHandle(STD_INPUT_HANDLE); IsConsole(input)) {
        parts.inBuffer = std::make_unique<ConsoleInputBuffer>(input);
        parts.in.rdbuf(parts.inBuffer.get());
    }
    if (HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE); IsConsole(output)) {
        parts.outBuffer = std::make_unique<ConsoleOutputBuffer>(output);
        parts.out.rdbuf(parts.outBuffer.get());
    }
    if (HANDLE error = GetStdHandle(STD_ERROR_HANDLE); IsConsole(error)) {
        parts.errBuffer = std::make_unique<ConsoleOutputBuffer>(error);
        parts.err.rdbuf(parts.errBuffer.get());
        parts.err.setf(std::ios::unitbuf);
    }
}

StandardStreams::~StandardStreams() {
    if (console_->outBuffer) console_->out.flush();
}

std::istream& StandardStreams::In() { return console_->inBuffer ? console_->in : std::cin; }
std::ostream& StandardStreams::Out() { return console_->outBuffer ? console_->out : std::cout; }
std::ostream& StandardStreams::Err() { return console_->errBuffer ? console_->err : std::cerr; }

// Never beside the program: its folder is the machine's, often not writable, and shared by
// every user.
std::u16string DefaultPersonalWordsPath() {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData == nullptr || appData[0] == L'\0') return u"";
    return ToU16(std::wstring(appData) + L"\\Morvane\\personal-words.txt");
}

namespace {

// The name of the mutex that guards saving one file: the same for every process of the user's
// session that names the file, however it spells it (relative, in another case). A hash, as a
// name may not hold backslashes nor be as long as a path.
std::wstring SaveMutexName(const std::wstring& path) {
    std::wstring full(32768, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    full.resize(length > 0 && length < full.size() ? length : 0);
    if (full.empty()) full = path;
    CharLowerBuffW(full.data(), static_cast<DWORD>(full.size()));
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a: the same in the 32- and 64-bit builds
    for (wchar_t c : full) hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
    std::wstring name = L"Local\\Morvane-save-";
    for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 15];
    return name;
}

}  // namespace

FileSaveLock::FileSaveLock(const std::u16string& path) {
    constexpr DWORD kPatience = 30000;  // ms; a save takes a few
    const std::wstring target = ToWide(path);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, SaveMutexName(target).c_str());
    if (mutex == nullptr) {
        failure_ = ToU16(L"could not lock " + target + L": " + SystemErrorText(GetLastError()));
        return;
    }
    const DWORD waited = WaitForSingleObject(mutex, kPatience);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {  // abandoned: its holder ended, it is ours now
        failure_ = ToU16(L"could not lock " + target + L": another program kept it locked for " +
                         std::to_wstring(kPatience / 1000) + L" seconds");
        CloseHandle(mutex);
        return;
    }
    mutex_ = mutex;
}

FileSaveLock::~FileSaveLock() {
    if (mutex_ == nullptr) return;
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
}

std::u16string ReplaceFileContent(const std::u16string& path, std::string_view bytes) {
    const std::wstring target = ToWide(path);
    auto failure = [](const std::wstring& what) { return ToU16(what + L": " + SystemErrorText(GetLastError())); };
    const std::size_t slash = target.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        const std::wstring folder = target.substr(0, slash);
        if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            return failure(L"could not make the folder " + folder);
        }
    }
    const std::wstring temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return failure(L"could not write " + temporary);
    DWORD written = 0;
    bool ok = bytes.size() <= MAXDWORD &&
              WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size() && FlushFileBuffers(file);
    std::u16string result = ok ? std::u16string() : failure(L"could not write " + temporary);
    CloseHandle(file);
    if (ok && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        result = failure(L"could not replace " + target);
    }
    if (!result.empty()) DeleteFileW(temporary.c_str());
    return result;
}

}  // namespace morvane
