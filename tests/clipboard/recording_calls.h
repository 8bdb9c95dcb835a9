#pragma once
// A recording stand-in for the clipboard library's platform calls: every call is logged
// with its arguments, then passed to the table behind it (the real API, or one with some
// calls replaced to play a busy or refusing system).
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "clipboard/platform_calls.h"

namespace morvane::test {

struct RecordedCall {
    std::string name;
    std::vector<std::intptr_t> args;
};

class RecordingCalls {
public:
    explicit RecordingCalls(const ClipboardCalls& behind = RealClipboardCalls());
    ~RecordingCalls();
    RecordingCalls(const RecordingCalls&) = delete;
    RecordingCalls& operator=(const RecordingCalls&) = delete;

    const std::vector<RecordedCall>& Calls() const;
    std::vector<std::string> Names() const;
    int Count(const std::string& name) const;
    // Opens that succeeded and were not closed yet.
    int OpenNow() const;
    // Blocks allocated and neither freed nor accepted by the clipboard.
    int BlocksOutstanding() const;

private:
    ScopedClipboardCalls scope_;
};

}  // namespace morvane::test
