#pragma once
// The clipboard held open for the length of one scope: opened for this task (no owner
// window) and closed again on every way out, errors included.
#include "clipboard/platform_calls.h"

namespace morvane {

class ClipboardSession {
public:
    ClipboardSession() : open_(Calls().OpenClipboard(nullptr) != FALSE) {}
    ~ClipboardSession() {
        if (open_) Calls().CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    // False when another task holds the clipboard.
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

}  // namespace morvane
