#pragma once
// The surroundings of a dictionary load on Linux, for the benchmarks: morvane-check's own
// (files read a piece at a time, Windows-1252), except that a message ends the run: a
// benchmark of a load that failed would measure nothing.
#include "check/platform.h"

namespace morvane::bench {

class FileDictionaryHost final : public ConsoleHost {
public:
    void ShowMessage(const std::u16string& text, const std::u16string& title, int style) override;
};

}  // namespace morvane::bench
