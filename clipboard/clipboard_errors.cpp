#include "clipboard/clipboard_errors.h"

#include "support/text_convert.h"

namespace morvane {

// what() gives the source and the description in the ANSI code page.
ClipboardError::ClipboardError(std::uint32_t number, std::wstring source, std::wstring description)
    : std::runtime_error(WideToAnsi(source + L": " + description)),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

InvalidHandleError::InvalidHandleError()
    : ClipboardError(kNumber, L"CMemoryDC.hBitmap", L"Invalid handle.") {}

SubscriptOutOfRangeError::SubscriptOutOfRangeError(std::wstring source)
    : ClipboardError(kNumber, std::move(source), L"Subscript out of range") {}

OverflowError::OverflowError(std::wstring source)
    : ClipboardError(kNumber, std::move(source), L"Overflow") {}

NoPictureError::NoPictureError(std::wstring source)
    : ClipboardError(kNumber, std::move(source), L"No picture was given.") {}

}  // namespace morvane
