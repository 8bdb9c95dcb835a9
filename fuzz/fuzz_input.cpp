#include "fuzz/fuzz_input.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "engine/spelling.h"

namespace morvane::fuzz {

std::u16string TypedText(std::string_view bytes) {
    const AnsiCodePage& codePage = AnsiCodePage::Windows1252();
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0 && i + 2 < bytes.size()) {
            const auto high = static_cast<unsigned char>(bytes[i + 1]);
            const auto low = static_cast<unsigned char>(bytes[i + 2]);
            text.push_back(static_cast<char16_t>(high << 8 | low));
            i += 2;
        } else {
            text.push_back(codePage.toChar[byte]);
        }
    }
    return text;
}

std::u16string ConsumeTypedText(FuzzedDataProvider& data) {
    return TypedText(data.ConsumeRandomLengthString(256));
}

int ConsumeSuggestionLimit(FuzzedDataProvider& data) {
    const auto choice = data.ConsumeIntegral<std::uint8_t>();
    if (choice < 240) return choice % 16;
    return data.ConsumeIntegralInRange<int>(0, kMaxSuggestionLimit);
}

WordList MakeWordList(std::string_view bytes) {
    FileBytes file;
    file.size = bytes.size();
    file.data = std::make_unique<char[]>(bytes.size());
    if (!bytes.empty()) std::memcpy(file.data.get(), bytes.data(), bytes.size());
    return WordList(std::move(file), AnsiCodePage::Windows1252());
}

void ReportDifference(const char* what, std::u16string_view input) {
    std::fprintf(stderr, "fault found: %s, for the text [", what);
    for (char16_t c : input) {
        if (c >= 0x20 && c < 0x7F) {
            std::fputc(c, stderr);
        } else {
            std::fprintf(stderr, "\\u%04X", static_cast<unsigned>(c));
        }
    }
    std::fprintf(stderr, "]\n");
    std::abort();
}

}  // namespace morvane::fuzz
