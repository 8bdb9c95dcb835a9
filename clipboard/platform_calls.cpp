#include "clipboard/platform_calls.h"

namespace morvane {
namespace {

const ClipboardCalls kReal = {
    ::OpenClipboard,        ::CloseClipboard,    ::EmptyClipboard,
    ::GetClipboardOwner,    ::IsClipboardFormatAvailable,
    ::GetPriorityClipboardFormat,                ::GetClipboardData,
    ::SetClipboardData,     ::EnumClipboardFormats,
    ::GetClipboardFormatNameA,                   ::GlobalAlloc,
    ::GlobalLock,           ::GlobalUnlock,      ::GlobalFree,
    ::GlobalSize,
};

const ClipboardCalls* gActive = &kReal;

}  // namespace

const ClipboardCalls& RealClipboardCalls() { return kReal; }

const ClipboardCalls& Calls() { return *gActive; }

ScopedClipboardCalls::ScopedClipboardCalls(const ClipboardCalls& calls) : previous_(gActive) {
    gActive = &calls;
}

ScopedClipboardCalls::~ScopedClipboardCalls() { gActive = previous_; }

}  // namespace morvane
