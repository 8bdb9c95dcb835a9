#include "console_streams_win32.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "engine/utf8.h"

namespace morvane {

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

ConsoleInputBuffer::int_type ConsoleInputBuffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    constexpr DWORD kChunk = 4096;  // the console gives a longer line in several reads
    std::u16string text;
    while (!ended_ && text.empty()) {
        wchar_t buffer[kChunk];
        DWORD read = 0;
        if (!ReadConsoleW(console_, buffer, kChunk, &read, nullptr) || read == 0) {
            ended_ = true;
            break;
        }
        text.assign(reinterpret_cast<const char16_t*>(buffer), read);
        if (text[0] == u'\x1a') {  // Ctrl+Z at the start of a line: the end, as for any console program
            ended_ = true;
            text.clear();
            break;
        }
        if (pendingHighSurrogate_ != 0) text.insert(text.begin(), pendingHighSurrogate_);
        pendingHighSurrogate_ = 0;
        if (text.back() >= 0xD800 && text.back() <= 0xDBFF) {
            pendingHighSurrogate_ = text.back();
            text.pop_back();
        }
    }
    if (text.empty()) return traits_type::eof();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, u"\r\n") == 0) text.erase(text.size() - 2, 1);
    line_ = Utf16ToUtf8(text);
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(*gptr());
}

namespace {

// The length of the longest prefix of bytes that ends on a whole UTF-8 sequence: what follows
// is the start of a sequence whose rest is still to come.
std::size_t WholeSequencesLength(std::string_view bytes) {
    const std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

}  // namespace

ConsoleOutputBuffer::int_type ConsoleOutputBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return sync() == 0 ? traits_type::not_eof(c) : c;
    pending_ += traits_type::to_char_type(c);
    if (pending_.size() >= 4096 && sync() != 0) return traits_type::eof();
    return c;
}

std::streamsize ConsoleOutputBuffer::xsputn(const char* text, std::streamsize count) {
    pending_.append(text, static_cast<std::size_t>(count));
    if (pending_.size() >= 4096 && sync() != 0) return 0;
    return count;
}

int ConsoleOutputBuffer::sync() {
    const std::size_t whole = WholeSequencesLength(pending_);
    const std::u16string text = Utf8ToUtf16(std::string_view(pending_).substr(0, whole));
    pending_.erase(0, whole);
    for (std::size_t done = 0; done < text.size() && !failed_;) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 8192));
        failed_ =
            !WriteConsoleW(console_, reinterpret_cast<const wchar_t*>(text.data()) + done, piece, &written, nullptr) ||
            written == 0;
        done += written;
    }
    return failed_ ? -1 : 0;
}

}  // namespace morvane
