#pragma once
// The surroundings of a dictionary load on Linux, for the benchmarks: files read with
// ReadFileFresh, Windows-1252, and a message that ends the run (a benchmark of a load that
// failed would measure nothing).
#include "engine/dictionary.h"

namespace morvane::bench {

class FileDictionaryHost final : public DictionaryHost {
public:
    bool FileExists(const std::u16string& path) override;
    FileReadResult ReadWholeFile(const std::u16string& path) override;
    void ShowMessage(const std::u16string& text, const std::u16string& title, int style) override;
    const AnsiCodePage& CodePage() override;
};

}  // namespace morvane::bench
