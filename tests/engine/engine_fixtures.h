#pragma once
// Word lists made from text entries, and a DictionaryHost over files held in memory that
// records the messages it is asked to show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/dictionary.h"

namespace morvane::testing {

// One byte more, a LF, which a scan that read past the end would take for the end of a CR LF.
inline FileBytes ToFileBytes(const std::string& bytes) {
    FileBytes file{std::make_unique<char[]>(bytes.size() + 1), bytes.size()};
    std::memcpy(file.data.get(), bytes.data(), bytes.size());
    file.data[bytes.size()] = '\n';
    return file;
}

// The entries' bytes in Windows-1252 joined with CR LF (no CR LF after the last entry).
inline std::string JoinedBytes(const std::vector<std::u16string>& entries) {
    const AnsiCodePage& page = AnsiCodePage::Windows1252();
    std::string bytes;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i) bytes += "\r\n";
        for (char16_t c : entries[i]) {
            const auto b = std::ranges::find(page.toChar, c);
            if (b == page.toChar.end()) throw std::invalid_argument("character outside Windows-1252");
            bytes.push_back(static_cast<char>(b - page.toChar.begin()));
        }
    }
    return bytes;
}

inline WordList MakeWordList(const std::string& bytes) {
    return WordList(ToFileBytes(bytes), AnsiCodePage::Windows1252());
}
inline WordList MakeWordList(const std::vector<std::u16string>& entries) { return MakeWordList(JoinedBytes(entries)); }

struct ShownMessage {
    std::u16string text, title;
    int style;
    bool operator==(const ShownMessage&) const = default;
};
inline void PrintTo(const ShownMessage& m, std::ostream* out) {
    *out << ::testing::PrintToString(m.text) << ", " << ::testing::PrintToString(m.title) << ", style " << m.style;
}

class FakeHost : public DictionaryHost {
public:
    std::map<std::u16string, std::string> files;
    std::map<std::u16string, std::u16string> unreadable;  // path -> reason
    std::vector<ShownMessage> messages;

    bool FileExists(const std::u16string& path) override { return files.count(path) || unreadable.count(path); }
    FileReadResult ReadWholeFile(const std::u16string& path) override {
        if (unreadable.count(path)) return {false, {}, unreadable[path]};
        return {true, ToFileBytes(files.at(path)), {}};
    }
    void ShowMessage(const std::u16string& text, const std::u16string& title, int style) override {
        messages.push_back({text, title, style});
    }
    const AnsiCodePage& CodePage() override { return AnsiCodePage::Windows1252(); }
};

}  // namespace morvane::testing
