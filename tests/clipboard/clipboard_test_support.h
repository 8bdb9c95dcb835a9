#pragma once
// Helpers for tests against the real clipboard: a recording stand-in for the library's
// platform calls, and raw set-up and inspection that does not go through the library.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "clipboard/platform_calls.h"
#include "tests/support/clipboard_text.h"  // RawUnicodeText

namespace morvane::test {

// Logs every platform call made while it lives (its name, then the formats it was given) and
// passes it to the table behind it: the real API, or one with some calls replaced to play a
// busy or refusing system.
class RecordingCalls {
public:
    explicit RecordingCalls(const ClipboardCalls& behind = RealClipboardCalls());

    const std::vector<std::string>& Log() const;
    // Calls logged as this entry, or as this name with any formats.
    int Count(std::string_view entry) const;
    // Opens that succeeded and were not closed yet.
    int OpenNow() const;
    // Blocks allocated and neither freed nor accepted by the clipboard, plus frees of blocks
    // that were not ours to free (the clipboard's once it accepted them) and text blocks
    // offered without their terminating zero.
    int BlocksMishandled() const;

private:
    ScopedClipboardCalls scope_;
};

// Empties the clipboard with plain system calls.
void EmptyTheClipboard();
// Puts a few bytes on the clipboard under a format registered for the tests, beside what is there.
void PutTestFormat();
UINT TestFormat();

}  // namespace morvane::test
