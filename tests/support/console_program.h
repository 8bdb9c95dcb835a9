#pragma once
// A console program run to its end over pipes, as an editor or a script runs it: its standard
// input written (then closed), its output and error read whole, its exit status.
#include <windows.h>

#include <functional>
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

// Runs the command line (the program found as CreateProcessW finds it: this process's PATH
// when no folder is named), in this process's environment, with the input on its standard input.
inline ProgramRun RunOverPipes(std::wstring commandLine, std::string_view input, DWORD patienceMs = 120000) {
    ProgramRun run;
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE in[2]{}, out[2]{}, err[2]{};  // each pipe's read and write ends
    bool piped = true;
    for (HANDLE* pipe : {in, out, err}) piped = CreatePipe(&pipe[0], &pipe[1], &inheritable, 0) && piped;
    for (HANDLE own : {in[1], out[0], err[0]}) SetHandleInformation(own, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in[0];
    startup.hStdOutput = out[1];
    startup.hStdError = err[1];
    PROCESS_INFORMATION process{};
    run.started = piped && CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                          nullptr, nullptr, &startup, &process);
    for (HANDLE childs : {in[0], out[1], err[1]}) CloseHandle(childs);
    const auto readAll = [](HANDLE pipe, std::string& into) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(pipe, buffer, sizeof(buffer), &got, nullptr) && got > 0) into.append(buffer, got);
    };
    std::thread writer([&] {
        DWORD written = 0;
        if (run.started) WriteFile(in[1], input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
        CloseHandle(in[1]);
    });
    std::thread outputReader(readAll, out[0], std::ref(run.out)), errorReader(readAll, err[0], std::ref(run.err));
    if (run.started) {
        run.ended = WaitForSingleObject(process.hProcess, patienceMs) == WAIT_OBJECT_0;
        if (!run.ended) TerminateProcess(process.hProcess, 1);  // which closes its ends of the pipes
    }
    for (std::thread* thread : {&writer, &outputReader, &errorReader}) thread->join();
    GetExitCodeProcess(process.hProcess, &run.status);
    for (HANDLE own : {process.hThread, process.hProcess, out[0], err[0]}) CloseHandle(own);
    return run;
}

}  // namespace morvane::testing
