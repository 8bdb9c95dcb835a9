#pragma once
// What the dictionary load needs from Windows: file tests and reads, message boxes and the
// system's ANSI code page.
#include "engine/dictionary.h"

namespace morvane {

class WinDictionaryHost : public DictionaryHost {
public:
    bool FileExists(const std::u16string& path) override;
    // The whole file, or a reason in the system's words when it exists but cannot be opened
    // or read, or is larger than a word list can hold.
    FileReadResult ReadWholeFile(const std::u16string& path) override;
    // A task-modal message box with the given style.
    void ShowMessage(const std::u16string& text, const std::u16string& title, int style) override;
    const AnsiCodePage& CodePage() override;
};

// The reading part of WinDictionaryHost, with the size limit as a parameter.
FileReadResult ReadWholeFile(const std::wstring& path, unsigned long long maxBytes);

}  // namespace morvane
