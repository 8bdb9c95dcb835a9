#pragma once
// Helpers for tests against the real clipboard: a recording stand-in for the library's
// platform calls, raw set-up and inspection that does not go through the library, and a
// second thread that holds the clipboard open with a window of its own.
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

// Every platform call is logged with its arguments, then passed to the table behind it (the
// real API, or one with some calls replaced to play a busy or refusing system).
class RecordingCalls {
public:
    explicit RecordingCalls(const ClipboardCalls& behind = RealClipboardCalls());
    ~RecordingCalls();
    RecordingCalls(const RecordingCalls&) = delete;
    RecordingCalls& operator=(const RecordingCalls&) = delete;

    const std::vector<RecordedCall>& Calls() const;
    std::vector<std::string> Names() const;
    int Count(const std::string& name) const;
    // The first argument of every call with this name.
    std::vector<std::intptr_t> FirstArguments(const std::string& name) const;
    // Opens that succeeded and were not closed yet.
    int OpenNow() const;
    // Blocks allocated and neither freed nor accepted by the clipboard.
    int BlocksOutstanding() const;

private:
    ScopedClipboardCalls scope_;
};

// Empties the clipboard with plain system calls.
void EmptyTheClipboard();
// Puts a few bytes on the clipboard under a format registered for the tests, beside what is there.
void PutTestFormat();
UINT TestFormat();
// This process's raw read of CF_UNICODETEXT, up to its first zero.
std::wstring RawUnicodeText();

// Another thread holds the clipboard open, with a window, for the life of this object. With
// takeOwnership it empties the clipboard first, so its window becomes the owner.
class ClipboardHolder {
public:
    explicit ClipboardHolder(bool takeOwnership = false);
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    // The holding window; nullptr when it could not open the clipboard.
    HWND Window() const { return window_; }

private:
    static DWORD WINAPI Hold(void* self);
    bool own_;
    HWND window_ = nullptr;
    HANDLE ready_, release_, thread_;
};

// The colour of one pixel of a bitmap that is not selected anywhere, and its size.
COLORREF PixelOf(HBITMAP bitmap, int x, int y);
SIZE SizeOf(HBITMAP bitmap);

}  // namespace morvane::test
