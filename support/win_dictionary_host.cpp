#include "support/win_dictionary_host.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

#include "support/file_operations.h"
#include "support/system_code_page.h"
#include "support/system_error_text.h"
#include "support/text_convert.h"
#include "support/unique_handle.h"

namespace morvane {
namespace {

FileReadResult Failure(const std::wstring& reason) {
    FileReadResult result;
    result.reason = ToU16(reason);
    return result;
}

FileReadResult LastErrorFailure() { return Failure(SystemErrorText(GetLastError())); }

}  // namespace

FileReadResult ReadWholeFile(const std::wstring& path, unsigned long long maxBytes) {
    const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return LastErrorFailure();

    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) return LastErrorFailure();
    const auto byteCount = static_cast<unsigned long long>(size.QuadPart);
    if (byteCount > maxBytes || byteCount > SIZE_MAX) {
        return Failure(L"The file is " + std::to_wstring(byteCount) + L" bytes long; a dictionary can hold at most " +
                       std::to_wstring(std::min<unsigned long long>(maxBytes, SIZE_MAX)) + L" bytes.");
    }

    const auto wanted = static_cast<std::size_t>(byteCount);

    FileReadResult result;
    try {
        result.bytes.data = std::make_unique_for_overwrite<char[]>(wanted);
    } catch (const std::bad_alloc&) {
        return Failure(L"There is not enough memory to read its " + std::to_wstring(byteCount) + L" bytes.");
    }

    // ReadFile moves at most 4 GB - 1 bytes a call; a file that shrinks meanwhile is taken as
    // far as it goes.
    constexpr std::size_t kChunk = 1u << 30;
    std::size_t total = 0;
    while (total < wanted) {
        const auto want = static_cast<DWORD>(std::min(kChunk, wanted - total));
        DWORD got = 0;
        if (!ReadFile(file.Get(), result.bytes.data.get() + total, want, &got, nullptr)) return LastErrorFailure();
        if (got == 0) break;
        total += got;
    }
    result.bytes.size = total;
    result.ok = true;
    return result;
}

bool WinDictionaryHost::FileExists(const std::u16string& path) { return morvane::FileExists(ToWide(path)); }

FileReadResult WinDictionaryHost::ReadWholeFile(const std::u16string& path) {
    return morvane::ReadWholeFile(ToWide(path), WordList::kMaxBytes);
}

void WinDictionaryHost::ShowMessage(const std::u16string& text, const std::u16string& title, int style) {
    MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(title).c_str(), static_cast<UINT>(style) | MB_TASKMODAL);
}

const AnsiCodePage& WinDictionaryHost::CodePage() { return SystemAnsiCodePage(); }

}  // namespace morvane
