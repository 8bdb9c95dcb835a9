#pragma once
// A console program run to its end over pipes, as an editor or a script runs it: its standard
// input written (then closed), its output and error read whole, its exit status.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace morvane::testing {

struct ProgramRun {
    bool started = false;
    bool ended = false;  // within the patience given; otherwise it was ended by force
    DWORD status = ~DWORD{0};
    std::string out, err;
};

// The environment of this process with some variables changed: a value sets one, nullopt
// removes it. As a block for CreateProcessW (names sorted, case ignored, as Windows keeps them).
inline std::wstring EnvironmentWith(const std::map<std::wstring, std::optional<std::wstring>>& changes) {
    struct Caseless {
        bool operator()(const std::wstring& a, const std::wstring& b) const {
            return _wcsicmp(a.c_str(), b.c_str()) < 0;
        }
    };
    std::map<std::wstring, std::wstring, Caseless> variables;
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) {
        const std::wstring text = entry;
        const std::size_t equals = text.find(L'=', 1);  // names of drives' folders begin with =
        if (equals != std::wstring::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    FreeEnvironmentStringsW(block);
    for (const auto& [name, value] : changes) {
        if (value) {
            variables[name] = *value;
        } else {
            variables.erase(name);
        }
    }
    std::wstring result;
    for (const auto& [name, value] : variables) result += name + L"=" + value + L'\0';
    return result + L'\0';
}

namespace detail {
inline void ReadAll(HANDLE pipe, std::string& into) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof(buffer), &got, nullptr) && got > 0) into.append(buffer, got);
}
}  // namespace detail

// Runs the command line (the program found as CreateProcessW finds it: this process's PATH
// when no folder is named) with the input on its standard input. environment: a block made by
// EnvironmentWith, or empty for this process's own.
inline ProgramRun RunOverPipes(const std::wstring& commandLine, std::string_view input,
                               const std::wstring& environment = L"", DWORD patienceMs = 120000) {
    ProgramRun run;
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE inRead, inWrite, outRead, outWrite, errRead, errWrite;
    if (!CreatePipe(&inRead, &inWrite, &inheritable, 0)) return run;
    if (!CreatePipe(&outRead, &outWrite, &inheritable, 0)) {
        CloseHandle(inRead), CloseHandle(inWrite);
        return run;
    }
    if (!CreatePipe(&errRead, &errWrite, &inheritable, 0)) {
        CloseHandle(inRead), CloseHandle(inWrite), CloseHandle(outRead), CloseHandle(outWrite);
        return run;
    }
    for (HANDLE own : {inWrite, outRead, errRead}) SetHandleInformation(own, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    std::wstring mutableLine = commandLine;
    std::wstring block = environment;
    run.started = CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE,
                                 CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, block.empty() ? nullptr : block.data(),
                                 nullptr, &startup, &process);
    CloseHandle(inRead), CloseHandle(outWrite), CloseHandle(errWrite);  // the child's ends
    if (run.started) {
        std::thread writer([&] {
            DWORD written = 0;
            WriteFile(inWrite, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
            CloseHandle(inWrite);
        });
        std::thread outputReader([&] { detail::ReadAll(outRead, run.out); });
        std::thread errorReader([&] { detail::ReadAll(errRead, run.err); });
        run.ended = WaitForSingleObject(process.hProcess, patienceMs) == WAIT_OBJECT_0;
        if (!run.ended) TerminateProcess(process.hProcess, 1);  // which closes its ends of the pipes
        outputReader.join();
        errorReader.join();
        writer.join();
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        CloseHandle(inWrite);
    }
    CloseHandle(outRead);
    CloseHandle(errRead);
    return run;
}

}  // namespace morvane::testing
