#include "recording_calls.h"

#include <algorithm>
#include <set>

namespace morvane::test {
namespace {

ClipboardCalls gBehind;
std::vector<RecordedCall> gLog;
int gOpen = 0;
std::set<HGLOBAL> gBlocks;

template <typename R>
R Record(const char* name, std::vector<std::intptr_t> args, R result) {
    gLog.push_back({name, std::move(args)});
    return result;
}

BOOL WINAPI Open(HWND owner) {
    const BOOL ok = gBehind.OpenClipboard(owner);
    if (ok) ++gOpen;
    return Record("OpenClipboard", {(std::intptr_t)owner}, ok);
}
BOOL WINAPI Close() {
    --gOpen;
    return Record("CloseClipboard", {}, gBehind.CloseClipboard());
}
BOOL WINAPI Empty() { return Record("EmptyClipboard", {}, gBehind.EmptyClipboard()); }
HWND WINAPI Owner() { return Record("GetClipboardOwner", {}, gBehind.GetClipboardOwner()); }
BOOL WINAPI Available(UINT f) { return Record("IsClipboardFormatAvailable", {f}, gBehind.IsClipboardFormatAvailable(f)); }
int WINAPI Priority(UINT* list, int count) {
    std::vector<std::intptr_t> args(list, list + std::max(count, 0));
    return Record("GetPriorityClipboardFormat", std::move(args), gBehind.GetPriorityClipboardFormat(list, count));
}
HANDLE WINAPI GetData(UINT f) { return Record("GetClipboardData", {f}, gBehind.GetClipboardData(f)); }
HANDLE WINAPI SetData(UINT f, HANDLE h) {
    HANDLE accepted = gBehind.SetClipboardData(f, h);
    if (accepted) gBlocks.erase(static_cast<HGLOBAL>(h));
    return Record("SetClipboardData", {f, (std::intptr_t)h}, accepted);
}
UINT WINAPI Enum(UINT f) { return Record("EnumClipboardFormats", {f}, gBehind.EnumClipboardFormats(f)); }
int WINAPI Name(UINT f, LPSTR buffer, int size) {
    return Record("GetClipboardFormatNameA", {f, size}, gBehind.GetClipboardFormatNameA(f, buffer, size));
}
HGLOBAL WINAPI Alloc(UINT flags, SIZE_T bytes) {
    HGLOBAL block = gBehind.GlobalAlloc(flags, bytes);
    if (block) gBlocks.insert(block);
    return Record("GlobalAlloc", {flags, (std::intptr_t)bytes}, block);
}
LPVOID WINAPI Lock(HGLOBAL h) { return Record("GlobalLock", {(std::intptr_t)h}, gBehind.GlobalLock(h)); }
BOOL WINAPI Unlock(HGLOBAL h) { return Record("GlobalUnlock", {(std::intptr_t)h}, gBehind.GlobalUnlock(h)); }
HGLOBAL WINAPI Free(HGLOBAL h) {
    gBlocks.erase(h);
    return Record("GlobalFree", {(std::intptr_t)h}, gBehind.GlobalFree(h));
}
SIZE_T WINAPI Size(HGLOBAL h) { return Record("GlobalSize", {(std::intptr_t)h}, gBehind.GlobalSize(h)); }

const ClipboardCalls kRecording = {Open, Close, Empty, Owner, Available, Priority, GetData, SetData,
                                   Enum, Name, Alloc, Lock, Unlock, Free, Size};

const ClipboardCalls& Install(const ClipboardCalls& behind) {
    gBehind = behind;
    gLog.clear();
    gOpen = 0;
    gBlocks.clear();
    return kRecording;
}

}  // namespace

RecordingCalls::RecordingCalls(const ClipboardCalls& behind) : scope_(Install(behind)) {}

RecordingCalls::~RecordingCalls() { gLog.clear(); }

const std::vector<RecordedCall>& RecordingCalls::Calls() const { return gLog; }

std::vector<std::string> RecordingCalls::Names() const {
    std::vector<std::string> names;
    for (const auto& call : gLog) names.push_back(call.name);
    return names;
}

int RecordingCalls::Count(const std::string& name) const {
    return static_cast<int>(std::count_if(gLog.begin(), gLog.end(), [&](const RecordedCall& c) { return c.name == name; }));
}

int RecordingCalls::OpenNow() const { return gOpen; }

int RecordingCalls::BlocksOutstanding() const { return static_cast<int>(gBlocks.size()); }

}  // namespace morvane::test
