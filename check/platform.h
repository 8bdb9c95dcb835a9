#pragma once
// What morvane-check needs from the operating system, one file per platform.
#include <string>
#include <vector>

#include "engine/dictionary.h"

namespace morvane {

// Files and text as the platform keeps them. ShowMessage writes the title and the text to
// standard error: the tool has no windows.
class ConsoleHost : public DictionaryHost {
public:
    ConsoleHost();
    bool FileExists(const std::u16string& path) override;
    FileReadResult ReadWholeFile(const std::u16string& path) override;
#if !defined(_WIN32)
    FileReadResult ReadWholeFileInPieces(const std::u16string& path, const PieceRead& onPiece) override;
#endif
    void ShowMessage(const std::u16string& text, const std::u16string& title, int style) override;
    const AnsiCodePage& CodePage() override { return codePage_; }

private:
    AnsiCodePage codePage_;
};

// The directory that holds the running program, without a trailing separator.
std::u16string ExecutableDirectory();
// The separator between a directory and a file name.
extern const char16_t kPathSeparator;
// The command line's arguments after the program's name.
std::vector<std::u16string> CommandLineArguments(int argc, char** argv);
// Standard input and output carry bytes exactly (no CR LF translation).
void UseBinaryStandardStreams();

}  // namespace morvane
