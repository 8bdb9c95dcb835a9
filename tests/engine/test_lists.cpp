#include "test_lists.h"

#include <cstring>
#include <stdexcept>

namespace morvane::testing {
namespace {

// The byte that decodes to c, or false when the code page cannot hold it.
bool Encode(const AnsiCodePage& page, char16_t c, unsigned char& byte) {
    for (int b = 0; b < 256; ++b) {
        if (page.toChar[b] == c) {
            byte = static_cast<unsigned char>(b);
            return true;
        }
    }
    return false;
}

}  // namespace

std::string JoinedBytes(const std::vector<std::u16string>& entries) {
    const AnsiCodePage& page = AnsiCodePage::Windows1252();
    std::string bytes;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i) bytes += "\r\n";
        for (char16_t c : entries[i]) {
            unsigned char b = 0;
            if (!Encode(page, c, b)) throw std::invalid_argument("character outside Windows-1252");
            bytes.push_back(static_cast<char>(b));
        }
    }
    return bytes;
}

WordList MakeWordList(const std::string& bytes) {
    FileBytes file{std::make_unique<char[]>(bytes.size() + 1), bytes.size()};
    std::memcpy(file.data.get(), bytes.data(), bytes.size());
    return WordList(std::move(file), AnsiCodePage::Windows1252());
}

WordList MakeWordList(const std::vector<std::u16string>& entries) { return MakeWordList(JoinedBytes(entries)); }

}  // namespace morvane::testing
