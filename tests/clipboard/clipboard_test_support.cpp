#include "clipboard_test_support.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace morvane::test {
namespace {

ClipboardCalls gBehind;
std::vector<std::string> gLog;
int gOpen = 0;
std::set<HGLOBAL> gBlocks;
int gMishandled = 0;

template <typename R>
R Record(std::string entry, R result) {
    gLog.push_back(std::move(entry));
    return result;
}
std::string With(const char* name, UINT format) { return name + (" " + std::to_string(format)); }

BOOL WINAPI Open(HWND owner) {
    const BOOL ok = gBehind.OpenClipboard(owner);
    gOpen += ok ? 1 : 0;
    return Record("OpenClipboard", ok);
}
BOOL WINAPI Close() {
    --gOpen;
    return Record("CloseClipboard", gBehind.CloseClipboard());
}
BOOL WINAPI Empty() { return Record("EmptyClipboard", gBehind.EmptyClipboard()); }
HWND WINAPI Owner() { return Record("GetClipboardOwner", gBehind.GetClipboardOwner()); }
BOOL WINAPI Available(UINT f) { return Record(With("IsClipboardFormatAvailable", f), gBehind.IsClipboardFormatAvailable(f)); }
int WINAPI Priority(UINT* list, int count) {
    std::string entry = "GetPriorityClipboardFormat";
    for (int i = 0; i < count; ++i) entry += " " + std::to_string(list[i]);
    return Record(entry, gBehind.GetPriorityClipboardFormat(list, count));
}
HANDLE WINAPI GetData(UINT f) { return Record(With("GetClipboardData", f), gBehind.GetClipboardData(f)); }
// A text block handed to the clipboard must end in a zero as wide as its characters.
bool EndsInZero(UINT f, HANDLE h) {
    const SIZE_T width = f == CF_UNICODETEXT ? sizeof(wchar_t) : 1, size = GlobalSize(h);
    const auto* bytes = static_cast<const char*>(GlobalLock(h));
    const bool zero = bytes && size >= width && std::all_of(bytes + size - width, bytes + size, [](char b) { return b == 0; });
    if (bytes) GlobalUnlock(h);
    return zero;
}
HANDLE WINAPI SetData(UINT f, HANDLE h) {
    if ((f == CF_TEXT || f == CF_UNICODETEXT) && !EndsInZero(f, h)) ++gMishandled;
    HANDLE accepted = gBehind.SetClipboardData(f, h);
    if (accepted) gBlocks.erase(static_cast<HGLOBAL>(h));
    return Record(With("SetClipboardData", f), accepted);
}
UINT WINAPI Enum(UINT f) { return Record("EnumClipboardFormats", gBehind.EnumClipboardFormats(f)); }
int WINAPI Name(UINT f, LPSTR buffer, int size) {
    return Record(With("GetClipboardFormatNameA", f), gBehind.GetClipboardFormatNameA(f, buffer, size));
}
HGLOBAL WINAPI Alloc(UINT flags, SIZE_T bytes) {
    HGLOBAL block = gBehind.GlobalAlloc(flags, bytes);
    if (block) gBlocks.insert(block);
    return Record("GlobalAlloc", block);
}
HGLOBAL WINAPI Free(HGLOBAL h) {
    if (!gBlocks.erase(h)) ++gMishandled;  // the clipboard's, or never ours
    return Record("GlobalFree", gBehind.GlobalFree(h));
}
ClipboardCalls gRecording;

// Locks, unlocks and sizes go straight to the table behind, unrecorded.
const ClipboardCalls& Install(const ClipboardCalls& behind) {
    gBehind = behind;
    gRecording = {Open, Close, Empty, Owner, Available, Priority, GetData, SetData, Enum, Name, Alloc,
                  behind.GlobalLock, behind.GlobalUnlock, Free, behind.GlobalSize};
    gLog.clear();
    gOpen = 0;
    gBlocks.clear();
    gMishandled = 0;
    return gRecording;
}

}  // namespace

RecordingCalls::RecordingCalls(const ClipboardCalls& behind) : scope_(Install(behind)) {}
const std::vector<std::string>& RecordingCalls::Log() const { return gLog; }
int RecordingCalls::OpenNow() const { return gOpen; }
int RecordingCalls::BlocksMishandled() const { return static_cast<int>(gBlocks.size()) + gMishandled; }

int RecordingCalls::Count(std::string_view entry) const {
    return static_cast<int>(std::count_if(gLog.begin(), gLog.end(), [&](const std::string& e) {
        return e == entry || (e.starts_with(entry) && e[entry.size()] == ' ');
    }));
}

void EmptyTheClipboard() {
    if (!OpenClipboard(nullptr)) throw std::runtime_error("the clipboard is busy");
    EmptyClipboard();
    CloseClipboard();
}

UINT TestFormat() {
    static const UINT format = RegisterClipboardFormatW(L"Morvane Test Data");
    return format;
}

void PutTestFormat() {
    if (!OpenClipboard(nullptr)) throw std::runtime_error("the clipboard is busy");
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    if (!SetClipboardData(TestFormat(), block)) GlobalFree(block);
    CloseClipboard();
}

}  // namespace morvane::test
