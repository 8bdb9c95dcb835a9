#include "clipboard/clipboard_errors.h"

#include <windows.h>

namespace morvane {
namespace {

// The message std::exception::what() gives: the description in the ANSI code page.
std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

ClipboardError::ClipboardError(std::uint32_t number, std::wstring source, std::wstring description)
    : std::runtime_error(Narrow(source + L": " + description)),
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
