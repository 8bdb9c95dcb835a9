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

}  // namespace

const ClipboardCalls& RealClipboardCalls() { return kReal; }

template <>
const ClipboardCalls*& ActiveCalls<ClipboardCalls>() {
    static const ClipboardCalls* active = &kReal;
    return active;
}

const ClipboardCalls& Calls() { return *ActiveCalls<ClipboardCalls>(); }

}  // namespace morvane
