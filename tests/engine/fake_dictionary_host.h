#pragma once
// A DictionaryHost over files held in memory, which records the messages it is asked to show.
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/dictionary.h"

namespace morvane::testing {

struct ShownMessage {
    std::u16string text, title;
    int style;
};

class FakeHost : public DictionaryHost {
public:
    std::map<std::u16string, std::string> files;
    std::map<std::u16string, std::u16string> unreadable;  // path -> reason
    std::vector<ShownMessage> messages;

    bool FileExists(const std::u16string& path) override { return files.count(path) || unreadable.count(path); }
    FileReadResult ReadWholeFile(const std::u16string& path) override {
        FileReadResult result;
        if (auto bad = unreadable.find(path); bad != unreadable.end()) {
            result.reason = bad->second;
            return result;
        }
        const std::string& bytes = files.at(path);
        result.bytes = {std::make_unique<char[]>(bytes.size() + 1), bytes.size()};
        std::memcpy(result.bytes.data.get(), bytes.data(), bytes.size());
        result.ok = true;
        return result;
    }
    void ShowMessage(const std::u16string& text, const std::u16string& title, int style) override {
        messages.push_back({text, title, style});
    }
    const AnsiCodePage& CodePage() override { return AnsiCodePage::Windows1252(); }
};

}  // namespace morvane::testing
