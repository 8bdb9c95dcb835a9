#pragma once
// Helpers for tests against the real clipboard: raw set-up and inspection that does not go
// through the library, and a second process that holds the clipboard or pastes from it.
#include <windows.h>

#include <string>

namespace morvane::test {

// Empties the clipboard with plain system calls.
void EmptyTheClipboard();
// Puts bytes on the clipboard under a format, beside what is there.
void PutRawData(UINT format, const void* bytes, size_t count);
// This process's raw read of CF_UNICODETEXT, up to its first zero.
std::wstring RawUnicodeText();
// A format registered at run time for the tests.
UINT TestFormat();

// Another process holds the clipboard open, with a window, for the life of this object.
// With takeOwnership it empties the clipboard first, so its window becomes the owner.
class ClipboardHolder {
public:
    explicit ClipboardHolder(bool takeOwnership = false);
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    bool Holding() const { return holding_; }

private:
    HANDLE ready_ = nullptr;
    HANDLE release_ = nullptr;
    PROCESS_INFORMATION process_{};
    bool holding_ = false;
};

// A second process pastes and compares with expected: its exit code, 0 for the same text.
DWORD PasteInAnotherProcess(const std::wstring& expected);

// The colour of one pixel of a bitmap that is not selected anywhere.
COLORREF PixelOf(HBITMAP bitmap, int x, int y);
SIZE SizeOf(HBITMAP bitmap);

}  // namespace morvane::test
