#pragma once
// What morvane-check needs from the operating system, one file per platform.
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/dictionary.h"

namespace morvane {

// Files and text as the platform keeps them. ShowMessage writes the title and the text to
// messages, standard error by default: the tool has no windows.
class ConsoleHost : public DictionaryHost {
public:
    explicit ConsoleHost(std::ostream* messages = nullptr);
    bool FileExists(const std::u16string& path) override;
    FileReadResult ReadWholeFile(const std::u16string& path) override;
#if !defined(_WIN32)
    FileReadResult ReadWholeFileInPieces(const std::u16string& path, const PieceRead& onPiece) override;
#endif
    void ShowMessage(const std::u16string& text, const std::u16string& title, int style) override;
    const AnsiCodePage& CodePage() override { return codePage_; }

private:
    AnsiCodePage codePage_;
    std::ostream* messages_;
};

// The directory that holds the running program, without a trailing separator.
std::u16string ExecutableDirectory();
// The separator between a directory and a file name.
extern const char16_t kPathSeparator;
// The command line's arguments after the program's name.
std::vector<std::u16string> CommandLineArguments(int argc, char** argv);
// Standard input, output and error as UTF-8 text with LF line ends. On pipes and files they
// carry the bytes exactly (no CR LF translation, no code page); at a Windows console they go
// through the console's wide-character calls, and input comes a line at a time.
class StandardStreams {
public:
    StandardStreams();
    ~StandardStreams();
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;
    std::istream& In();
    std::ostream& Out();
    std::ostream& Err();

private:
    struct ConsoleParts;
    std::unique_ptr<ConsoleParts> console_;  // the console's streams, when there is one
};

// Where the personal word list lives when no -p names it: in the user's data folder. The
// empty text when the environment names none (Windows without APPDATA).
std::u16string DefaultPersonalWordsPath();
// Held from its making to its end: the lock that every morvane-check takes to save the file
// at path, so that another one's read, merge and replace of it never interleaves with this
// one's (on Linux a lock on the file's folder, made when missing; on Windows a named mutex).
// Failure() says why the lock could not be taken, or is the empty text when it is held.
class FileSaveLock {
public:
    explicit FileSaveLock(const std::u16string& path);
    ~FileSaveLock();
    FileSaveLock(const FileSaveLock&) = delete;
    FileSaveLock& operator=(const FileSaveLock&) = delete;
    const std::u16string& Failure() const { return failure_; }

private:
#if defined(_WIN32)
    void* mutex_ = nullptr;  // a named mutex, owned while it is not null
#else
    int folder_ = -1;  // the folder, open, with flock's exclusive lock on it
#endif
    std::u16string failure_;
};

// Replaces the file's content without ever leaving a partial file: the bytes go to a new file
// in the same folder (made when missing), flushed to the disk, which is then renamed over the
// old one. Returns why it failed, the old file untouched, or the empty text when it is done.
std::u16string ReplaceFileContent(const std::u16string& path, std::string_view bytes);

}  // namespace morvane
