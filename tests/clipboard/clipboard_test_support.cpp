#include "clipboard_test_support.h"

#include <cstring>
#include <cwchar>
#include <stdexcept>

namespace morvane::test {
namespace {

// Starts the helper program beside this one; throws when it cannot be started.
PROCESS_INFORMATION StartHelper(const std::wstring& arguments) {
    std::wstring line(MAX_PATH, L'\0');
    line.resize(GetModuleFileNameW(nullptr, line.data(), MAX_PATH));
    line = L"\"" + line.substr(0, line.find_last_of(L"\\/") + 1) + L"clipboard_helper.exe\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw std::runtime_error("cannot start the clipboard test helper");
    return process;
}

std::wstring UniqueName(const wchar_t* what) {
    static int serial = 0;
    return std::wstring(L"morvane-clipboard-test-") + what + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++serial);
}

}  // namespace

void EmptyTheClipboard() {
    if (!OpenClipboard(nullptr)) throw std::runtime_error("clipboard busy");
    EmptyClipboard();
    CloseClipboard();
}

void PutRawData(UINT format, const void* bytes, size_t count) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, count);
    std::memcpy(GlobalLock(block), bytes, count);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) throw std::runtime_error("clipboard busy");
    if (!SetClipboardData(format, block)) GlobalFree(block);
    CloseClipboard();
}

std::wstring RawUnicodeText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        auto* units = static_cast<const wchar_t*>(GlobalLock(data));
        text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

UINT TestFormat() {
    static const UINT format = RegisterClipboardFormatW(L"Morvane Test Data");
    return format;
}

ClipboardHolder::ClipboardHolder(bool takeOwnership) {
    const std::wstring readyName = UniqueName(L"ready"), releaseName = UniqueName(L"release");
    ready_ = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
    release_ = CreateEventW(nullptr, TRUE, FALSE, releaseName.c_str());
    process_ = StartHelper(L"hold " + readyName + L" " + releaseName + (takeOwnership ? L" own" : L""));
    HANDLE either[] = {ready_, process_.hProcess};
    holding_ = WaitForMultipleObjects(2, either, FALSE, 30000) == WAIT_OBJECT_0;
}

ClipboardHolder::~ClipboardHolder() {
    SetEvent(release_);
    WaitForSingleObject(process_.hProcess, 30000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    CloseHandle(ready_);
    CloseHandle(release_);
}

DWORD PasteInAnotherProcess(const std::wstring& expected) {
    const PROCESS_INFORMATION process = StartHelper(L"paste \"" + expected + L"\"");
    DWORD exitCode = 1;
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return exitCode;
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
