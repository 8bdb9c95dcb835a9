#include "clipboard/clipboard.h"

#include <cstring>
#include <cwchar>
#include <vector>

#include "clipboard/clipboard_errors.h"
#include "clipboard/clipboard_session.h"
#include "clipboard/global_block.h"
#include "clipboard/memory_dc.h"
#include "clipboard/platform_calls.h"
#include "support/text_convert.h"

namespace morvane {
namespace {

constexpr const wchar_t* kPrioritySource = L"CClipboard.GetPriorityFormat";

// The text formats GetText reads, best first: CF_TEXT, CF_UNICODETEXT, CF_OEMTEXT, CF_DSPTEXT.
const VariantArray& TextList() {
    static const VariantArray list{CF_TEXT, CF_UNICODETEXT, CF_OEMTEXT, CF_DSPTEXT};
    return list;
}

// The bitmap formats GetData reads, best first: CF_BITMAP, CF_DSPBITMAP, CF_DIB.
const VariantArray& BitmapList() {
    static const VariantArray list{CF_BITMAP, CF_DSPBITMAP, CF_DIB};
    return list;
}

// Hands a block to the clipboard; a refused block is freed here.
bool Offer(std::int32_t format, HGLOBAL data) {
    OwnedGlobalBlock block(data);
    if (!block) return false;
    if (!Calls().SetClipboardData(static_cast<UINT>(format), block.Get())) return false;
    block.Detach();  // the system's now
    return true;
}

}  // namespace

CClipboard::CClipboard() = default;

CClipFormats& CClipboard::Formats() {
    FormatList.Refresh();
    return FormatList;
}

HWND CClipboard::Owner() const { return Calls().GetClipboardOwner(); }

bool CClipboard::Clear() {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return false;
    return Calls().EmptyClipboard() != FALSE;
}

bool CClipboard::GetFormat(std::int32_t Format) {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return false;
    return Calls().IsClipboardFormatAvailable(static_cast<UINT>(Format)) != FALSE;
}

std::int32_t CClipboard::GetPriorityFormat(const VariantArray& Formats) {
    const std::int64_t upperBound = Formats.UpperBound();
    if (upperBound < 0) return 0;

    std::vector<UINT> list;
    list.reserve(static_cast<std::size_t>(upperBound + 1));
    for (std::int64_t i = 0; i <= upperBound; ++i) {
        const VariantValue* element = Formats.Element(i);
        if (!element) throw SubscriptOutOfRangeError(kPrioritySource);
        list.push_back(static_cast<UINT>(Int32FromVariant(*element, kPrioritySource)));
    }

    // The system answers whether or not the clipboard could be opened.
    ClipboardSession clipboard;
    return Calls().GetPriorityClipboardFormat(list.data(), static_cast<int>(list.size()));
}

std::wstring CClipboard::GetText() {
    const std::int32_t format = GetPriorityFormat(TextList());
    if (format <= 0) return {};

    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return {};
    HANDLE data = Calls().GetClipboardData(static_cast<UINT>(format));
    if (!data) return {};
    LockedGlobalBlock block(data);
    if (format == CF_UNICODETEXT) return StringFromWidePointer(block.address(), block.size());
    return StringFromAnsiPointer(block.address(), block.size());
}

std::wstring CClipboard::StringFromAnsiPointer(const void* address, std::size_t blockSize) {
    if (!address) return {};
    // Another program's block: read up to its first zero, never past its end.
    const auto* bytes = static_cast<const char*>(address);
    const std::size_t n = strnlen(bytes, blockSize);
    if (n == 0) return {};
    return AnsiToWide(std::string_view(bytes, n));
}

std::wstring CClipboard::StringFromWidePointer(const void* address, std::size_t blockSize) {
    if (!address) return {};
    const auto* units = static_cast<const wchar_t*>(address);
    const std::size_t n = wcsnlen(units, blockSize / sizeof(wchar_t));
    return std::wstring(units, n);
}

bool CClipboard::SetText(std::wstring NewVal) {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return false;  // nothing allocated

    const std::string ansi = WideToAnsi(NewVal);
    const bool accepted = Offer(CF_TEXT, NewBlockWith(ansi.data(), ansi.size(), 1));
    // The UTF-16 text goes on whatever became of the ANSI text; its outcome is not reported.
    Offer(CF_UNICODETEXT, NewBlockWith(NewVal.data(), NewVal.size() * sizeof(wchar_t), sizeof(wchar_t)));
    return accepted;
}

OlePicture CClipboard::GetData(std::int32_t Format) {
    if (Format != CF_BITMAP) return {};
    const std::int32_t format = GetPriorityFormat(BitmapList());
    if (format <= 0) return {};

    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return {};
    HANDLE data = Calls().GetClipboardData(static_cast<UINT>(format));
    if (!data) return {};
    CMemoryDC memory;
    memory.hBitmap(static_cast<HBITMAP>(data));  // used in place; it stays the clipboard's
    memory.TerminateKillsBitmap(false);
    return memory.Picture();  // a copy the picture owns
}

bool CClipboard::SetData(const OlePicture& NewVal, std::int32_t Format) {
    if (Format != CF_BITMAP) return false;

    UniqueBitmap copy([&NewVal] {
        CMemoryDC memory;
        memory.Picture(NewVal);
        memory.TerminateKillsBitmap(false);
        return memory.hBitmap();  // survives the memory context
    }());
    if (!copy) return false;

    ClipboardSession clipboard;  // closed before a refused copy is deleted
    if (!clipboard.IsOpen()) return false;
    if (!Calls().SetClipboardData(static_cast<UINT>(Format), copy.Get())) return false;
    copy.Detach();  // the system's now
    return true;
}

}  // namespace morvane
