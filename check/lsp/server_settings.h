#pragma once
// The settings a client may give the language server, in initializationOptions or in
// workspace/didChangeConfiguration (there also under a "morvane" section):
//   {"maxSuggestions": 0..32767, "dictionary": "path", "personalWordList": "path",
//    "severity": "error" | "warning" | "information" | "hint" (or 1..4),
//    "languages": {"whole": [language ids], "prose": [...], "off": [...]}}
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "checkable_text.h"

namespace morvane {

// How the user chose to check languages, by language id: Whole, Markdown (prose) or Off.
using LanguageChoices = std::map<std::string, TextKind, std::less<>>;

// The rules for a document in a language: the user's choice, else the language's own.
TextRules ChosenRules(std::string_view languageId, const LanguageChoices& choices);

struct SettingsUpdate {
    std::optional<int> limit;
    std::optional<std::u16string> dictionary;
    std::optional<std::u16string> personalWordList;
    std::optional<int> severity;  // the protocol's number: 1 error .. 4 hint
    std::optional<LanguageChoices> languages;  // replaces the choices before it whole
    std::vector<std::string> refused;  // a sentence for each value that cannot be used
};

SettingsUpdate ReadSettings(const nlohmann::json& settings);

}  // namespace morvane
