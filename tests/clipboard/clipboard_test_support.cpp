#include "clipboard_test_support.h"

#include <algorithm>
#include <cwchar>
#include <set>
#include <stdexcept>

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
using Arg = std::intptr_t;

BOOL WINAPI Open(HWND owner) {
    const BOOL ok = gBehind.OpenClipboard(owner);
    gOpen += ok ? 1 : 0;
    return Record("OpenClipboard", {(Arg)owner}, ok);
}
BOOL WINAPI Close() {
    --gOpen;
    return Record("CloseClipboard", {}, gBehind.CloseClipboard());
}
BOOL WINAPI Empty() { return Record("EmptyClipboard", {}, gBehind.EmptyClipboard()); }
HWND WINAPI Owner() { return Record("GetClipboardOwner", {}, gBehind.GetClipboardOwner()); }
BOOL WINAPI Available(UINT f) { return Record("IsClipboardFormatAvailable", {(Arg)f}, gBehind.IsClipboardFormatAvailable(f)); }
int WINAPI Priority(UINT* list, int count) {
    return Record("GetPriorityClipboardFormat", std::vector<Arg>(list, list + std::max(count, 0)),
                  gBehind.GetPriorityClipboardFormat(list, count));
}
HANDLE WINAPI GetData(UINT f) { return Record("GetClipboardData", {(Arg)f}, gBehind.GetClipboardData(f)); }
HANDLE WINAPI SetData(UINT f, HANDLE h) {
    HANDLE accepted = gBehind.SetClipboardData(f, h);
    if (accepted) gBlocks.erase(static_cast<HGLOBAL>(h));
    return Record("SetClipboardData", {(Arg)f, (Arg)h}, accepted);
}
UINT WINAPI Enum(UINT f) { return Record("EnumClipboardFormats", {(Arg)f}, gBehind.EnumClipboardFormats(f)); }
int WINAPI Name(UINT f, LPSTR buffer, int size) {
    return Record("GetClipboardFormatNameA", {(Arg)f, size}, gBehind.GetClipboardFormatNameA(f, buffer, size));
}
HGLOBAL WINAPI Alloc(UINT flags, SIZE_T bytes) {
    HGLOBAL block = gBehind.GlobalAlloc(flags, bytes);
    if (block) gBlocks.insert(block);
    return Record("GlobalAlloc", {(Arg)flags, (Arg)bytes}, block);
}
LPVOID WINAPI Lock(HGLOBAL h) { return Record("GlobalLock", {(Arg)h}, gBehind.GlobalLock(h)); }
BOOL WINAPI Unlock(HGLOBAL h) { return Record("GlobalUnlock", {(Arg)h}, gBehind.GlobalUnlock(h)); }
HGLOBAL WINAPI Free(HGLOBAL h) {
    gBlocks.erase(h);
    return Record("GlobalFree", {(Arg)h}, gBehind.GlobalFree(h));
}
SIZE_T WINAPI Size(HGLOBAL h) { return Record("GlobalSize", {(Arg)h}, gBehind.GlobalSize(h)); }

const ClipboardCalls kRecording = {Open, Close, Empty, Owner, Available, Priority, GetData, SetData,
                                   Enum, Name, Alloc, Lock, Unlock, Free, Size};

const ClipboardCalls& Install(const ClipboardCalls& behind) {
    gBehind = behind;
    gLog.clear();
    gOpen = 0;
    gBlocks.clear();
    return kRecording;
}

void OpenOrThrow() {
    if (!OpenClipboard(nullptr)) throw std::runtime_error("the clipboard is busy");
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

std::vector<std::intptr_t> RecordingCalls::FirstArguments(const std::string& name) const {
    std::vector<std::intptr_t> firsts;
    for (const auto& call : gLog)
        if (call.name == name) firsts.push_back(call.args.at(0));
    return firsts;
}

int RecordingCalls::OpenNow() const { return gOpen; }
int RecordingCalls::BlocksOutstanding() const { return static_cast<int>(gBlocks.size()); }

void EmptyTheClipboard() {
    OpenOrThrow();
    EmptyClipboard();
    CloseClipboard();
}

UINT TestFormat() {
    static const UINT format = RegisterClipboardFormatW(L"Morvane Test Data");
    return format;
}

void PutTestFormat() {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    OpenOrThrow();
    if (!SetClipboardData(TestFormat(), block)) GlobalFree(block);
    CloseClipboard();
}

std::wstring RawUnicodeText() {
    std::wstring text;
    OpenOrThrow();
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        auto* units = static_cast<const wchar_t*>(GlobalLock(data));
        text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

ClipboardHolder::ClipboardHolder(bool takeOwnership)
    : own_(takeOwnership),
      ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      thread_(CreateThread(nullptr, 0, Hold, this, 0, nullptr)) {
    WaitForSingleObject(ready_, 30000);
}

ClipboardHolder::~ClipboardHolder() {
    SetEvent(release_);
    WaitForSingleObject(thread_, 30000);
    for (HANDLE h : {thread_, ready_, release_}) CloseHandle(h);
}

DWORD WINAPI ClipboardHolder::Hold(void* self) {
    auto& holder = *static_cast<ClipboardHolder*>(self);
    const HWND window = CreateWindowW(L"STATIC", L"clipboard holder", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const bool open = window && OpenClipboard(window);
    if (open && holder.own_) EmptyClipboard();
    if (open) holder.window_ = window;
    SetEvent(holder.ready_);
    while (MsgWaitForMultipleObjects(1, &holder.release_, FALSE, 60000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&msg);
    if (open) CloseClipboard();
    if (window) DestroyWindow(window);
    return 0;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const COLORREF color = GetPixel(memory, x, y);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return color;
}

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

}  // namespace morvane::test
