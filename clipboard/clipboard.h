#pragma once
// CClipboard: the system clipboard as an object. Every member that touches the clipboard's
// content opens it for this task (no owner window), does its work and closes it again
// before returning, on every path, errors included. Apart from its format collection the
// object keeps no state.
#include <windows.h>

#include <cstdint>
#include <string>

#include "clipboard/clip_formats.h"
#include "clipboard/ole_picture.h"
#include "clipboard/variant_value.h"

namespace morvane {

class CClipboard {
public:
    // Enumerates the clipboard's formats once, into Formats.
    CClipboard();
    CClipboard(const CClipboard&) = delete;
    CClipboard& operator=(const CClipboard&) = delete;

    // Returns collection of information about formats present on the system Clipboard.
    // Always this object's own collection, refreshed on every read.
    CClipFormats& Formats();

    // Returns window handle of Clipboard owner.
    HWND Owner() const;

    // Empties the system clipboard; false when it cannot be opened or emptied.
    bool Clear();

    // A copy of the clipboard's bitmap as a new picture; none for any Format but 2
    // (CF_BITMAP), for a clipboard without a bitmap, or when the clipboard is busy.
    OlePicture GetData(std::int32_t Format = CF_BITMAP);

    // Returns a value indicating whether an item on the Clipboard object matches a specified format.
    bool GetFormat(std::int32_t Format);

    // The first of the listed formats that the clipboard holds; 0 when the clipboard is
    // empty or the list is; -1 when none of them is there. Each element is read through its
    // text form and rounded half to even. Throws SubscriptOutOfRangeError for a list that
    // has no element 0 and OverflowError for an element beyond 32 bits.
    std::int32_t GetPriorityFormat(const VariantArray& Formats);

    // Returns a text string from the Clipboard object.
    // (The object's default member.)
    std::wstring GetText();
    std::wstring operator()() { return GetText(); }

    // Puts a copy of the picture's bitmap on the clipboard as Format 2 (CF_BITMAP); any
    // other Format is refused. Does not empty the clipboard first.
    bool SetData(const OlePicture& NewVal, std::int32_t Format = CF_BITMAP);

    // Puts a text on the clipboard in two formats: CF_TEXT (ANSI), then CF_UNICODETEXT; the
    // result is whether CF_TEXT was accepted.
    // Does not empty the clipboard first.
    bool SetText(std::wstring NewVal);

private:
    static std::wstring StringFromAnsiPointer(const void* address, std::size_t blockSize);
    static std::wstring StringFromWidePointer(const void* address, std::size_t blockSize);

    CClipFormats FormatList;
};

}  // namespace morvane
