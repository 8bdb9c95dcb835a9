#include "clipboard/clip_formats.h"

#include <array>

#include "clipboard/clipboard_session.h"
#include "clipboard/platform_calls.h"
#include "support/text_convert.h"

namespace morvane {
namespace {

// The names of the standard formats 1 to 16; the system is never asked for these.
constexpr std::array<const wchar_t*, 16> kStandardNames = {
    L"Text (TXT)",
    L"Bitmap (BMP)",
    L"Metafile (WMF)",
    L"Microsoft Symbolic Link (SYLK)",
    L"Data Interchange Format (DIF)",
    L"Tagged Interchange File Format (TIF)",
    L"OEM Text",
    L"Device Independent Bitmap (DIB)",
    L"Palette",
    L"Pen Data",
    L"RIFF",
    L"Wave",
    L"Unicode Text",
    L"Enhanced Metafile (EMF)",
    L"Dropped Filelist",
    L"Locale Identifier",
};

constexpr int kNameBufferSize = 256;  // the terminating zero included

}  // namespace

CClipFormats::CClipFormats() { Refresh(); }

ClipFormatRef CClipFormats::Item(std::int32_t nFmt) const {
    const auto found = Items->byKey.find(nFmt);
    return found == Items->byKey.end() ? nullptr : found->second;
}

std::int32_t CClipFormats::Count() const { return static_cast<std::int32_t>(Items->order.size()); }

bool CClipFormats::Present(std::int32_t nFmt) const {
    ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return false;
    return Calls().IsClipboardFormatAvailable(static_cast<UINT>(nFmt)) != FALSE;
}

std::wstring CClipFormats::GetName(std::int32_t nFmt) const {
    if (nFmt >= 1 && nFmt <= 16) return kStandardNames[static_cast<std::size_t>(nFmt - 1)];
    std::array<char, kNameBufferSize> buffer;
    buffer.fill(' ');
    const int n = Calls().GetClipboardFormatNameA(static_cast<UINT>(nFmt), buffer.data(), kNameBufferSize);
    if (n <= 0) return L"Unknown: " + std::to_wstring(nFmt);
    // n counts the bytes before the terminating zero; never trust it past the buffer.
    const std::size_t length = n < kNameBufferSize ? static_cast<std::size_t>(n) : kNameBufferSize - 1;
    return AnsiToWide(std::string_view(buffer.data(), length));
}

void CClipFormats::Refresh() {
    auto fresh = std::make_shared<KeyedClipFormats>();
    {
        ClipboardSession clipboard;
        if (clipboard.IsOpen()) {
            for (UINT f = Calls().EnumClipboardFormats(0); f != 0; f = Calls().EnumClipboardFormats(f)) {
                const auto format = static_cast<std::int32_t>(f);
                // A format seen before means the enumeration has come round again: stop.
                if (fresh->byKey.count(format) != 0) break;
                auto item = std::make_shared<CClipFormat>();
                item->Format = format;
                item->Name = GetName(format);
                fresh->byKey.emplace(format, item);
                fresh->order.push_back(std::move(item));
            }
        }
    }
    Items = std::move(fresh);
}

}  // namespace morvane
