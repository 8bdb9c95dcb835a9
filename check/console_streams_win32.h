#pragma once
// morvane-check's text at a Windows console: UTF-8 inside the program, the console's own
// wide-character calls outside, so that what is typed and shown is whole whatever the
// console's code page. Pipes and files are not consoles: they carry the UTF-8 bytes as they are.
#include <windows.h>

#include <streambuf>
#include <string>

namespace morvane {

// Whether the handle is a console (its mode can be read), rather than a pipe or a file.
bool IsConsole(HANDLE handle);

// Lines typed at the console, as UTF-8 with LF line ends; one line per read, so that each is
// answered as soon as Enter is pressed. Ctrl+Z at the start of a line ends the input.
class ConsoleInputBuffer : public std::streambuf {
public:
    explicit ConsoleInputBuffer(HANDLE console) : console_(console) {}

protected:
    int_type underflow() override;

private:
    HANDLE console_;
    std::string line_;
    char16_t pendingHighSurrogate_ = 0;  // the first half of a pair the console split
    bool ended_ = false;
};

// UTF-8 written to the console as UTF-16. A sequence split between two writes waits for
// its rest.
class ConsoleOutputBuffer : public std::streambuf {
public:
    explicit ConsoleOutputBuffer(HANDLE console) : console_(console) {}
    ~ConsoleOutputBuffer() override { sync(); }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    HANDLE console_;
    std::string pending_;
    bool failed_ = false;
};

}  // namespace morvane
