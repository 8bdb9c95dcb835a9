#include "profile_file.h"

#include "engine/char_case.h"

namespace morvane {
namespace {

std::u16string_view Trimmed(std::u16string_view s) {
    const auto isSpace = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerChar(a[i]) != LowerChar(b[i])) return false;
    }
    return true;
}

}  // namespace

std::optional<std::u16string> ReadProfileValue(std::u16string_view fileText, std::u16string_view section,
                                               std::u16string_view key) {
    bool inSection = false;
    while (!fileText.empty()) {
        const std::size_t lineEnd = fileText.find(u'\n');
        const std::u16string_view line = Trimmed(fileText.substr(0, lineEnd));
        fileText = lineEnd == std::u16string_view::npos ? std::u16string_view() : fileText.substr(lineEnd + 1);

        if (!line.empty() && line.front() == u'[') {
            const std::size_t close = line.find(u']');
            inSection = close != std::u16string_view::npos && SameName(Trimmed(line.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t equals = line.find(u'=');
        if (!inSection || equals == std::u16string_view::npos) continue;
        if (!SameName(Trimmed(line.substr(0, equals)), key)) continue;
        std::u16string_view value = Trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return std::u16string(value);
    }
    return std::nullopt;
}

}  // namespace morvane
