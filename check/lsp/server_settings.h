#pragma once
// The settings a client may give the language server, in initializationOptions or in
// workspace/didChangeConfiguration (there also under a "morvane" section):
//   {"maxSuggestions": 0..32767, "dictionary": "path", "personalWordList": "path",
//    "severity": "error" | "warning" | "information" | "hint" (or 1..4)}
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace morvane {

struct SettingsUpdate {
    std::optional<int> limit;
    std::optional<std::u16string> dictionary;
    std::optional<std::u16string> personalWordList;
    std::optional<int> severity;  // the protocol's number: 1 error .. 4 hint
    std::vector<std::string> refused;  // a sentence for each value that cannot be used
};

SettingsUpdate ReadSettings(const nlohmann::json& settings);

}  // namespace morvane
