#include <windows.h>
// After windows.h, which it needs.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform.h"
#include "utf8.h"

namespace morvane {
namespace {

std::wstring Wide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }
std::u16string FromWide(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

std::u16string SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = n ? std::wstring(text, n) : L"error " + std::to_wstring(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
    return FromWide(message);
}

struct FileHandle {
    HANDLE h;
    ~FileHandle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

// The system's ANSI code page, byte by byte.
AnsiCodePage SystemCodePage() {
    AnsiCodePage page;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t c = 0;
        page.toChar[b] = MultiByteToWideChar(CP_ACP, 0, &byte, 1, &c, 1) == 1 ? c : static_cast<char16_t>(b);
    }
    return page;
}

}  // namespace

const char16_t kPathSeparator = u'\\';

ConsoleHost::ConsoleHost() : codePage_(SystemCodePage()) {}

bool ConsoleHost::FileExists(const std::u16string& path) {
    return !path.empty() && GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

FileReadResult ConsoleHost::ReadWholeFile(const std::u16string& path) {
    FileReadResult result;
    FileHandle file{CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    LARGE_INTEGER size{};
    if (file.h == INVALID_HANDLE_VALUE || !GetFileSizeEx(file.h, &size)) {
        result.reason = SystemErrorText(GetLastError());
        return result;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > WordList::kMaxBytes) {
        result.reason = u"the file is larger than 4 GB.";
        return result;
    }
    const auto total = static_cast<std::size_t>(size.QuadPart);
    result.bytes.data = std::make_unique_for_overwrite<char[]>(total);
    std::size_t done = 0;
    while (done < total) {
        DWORD n = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(total - done, 1u << 30));
        if (!ReadFile(file.h, result.bytes.data.get() + done, want, &n, nullptr) || n == 0) {
            result.reason = n == 0 ? u"the file became shorter while it was read." : SystemErrorText(GetLastError());
            result.bytes = {};
            return result;
        }
        done += n;
    }
    result.bytes.size = total;
    result.ok = true;
    return result;
}

void ConsoleHost::ShowMessage(const std::u16string& text, const std::u16string& title, int) {
    std::fprintf(stderr, "morvane-check: %s: %s\n", Utf16ToUtf8(title).c_str(), Utf16ToUtf8(text).c_str());
}

std::u16string ExecutableDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return FromWide(slash == std::wstring::npos ? L"." : path.substr(0, slash));
}

std::vector<std::u16string> CommandLineArguments(int, char**) {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> args;
    for (int i = 1; argv && i < count; ++i) args.push_back(FromWide(argv[i]));
    LocalFree(argv);
    return args;
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace morvane
