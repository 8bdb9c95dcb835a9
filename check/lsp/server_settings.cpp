#include "server_settings.h"

#include <algorithm>
#include <iterator>

#include <nlohmann/json.hpp>

#include "engine/spelling.h"
#include "engine/utf8.h"

namespace morvane {
namespace {

using nlohmann::json;

std::optional<int> ReadLimit(const json& value) {
    if (!value.is_number_integer()) return std::nullopt;
    const auto number = value.get<long long>();
    return number >= 0 && number <= kMaxSuggestionLimit ? std::optional<int>(static_cast<int>(number)) : std::nullopt;
}

std::optional<int> ReadSeverity(const json& value) {
    if (value.is_number_integer()) {
        const auto number = value.get<long long>();
        return number >= 1 && number <= 4 ? std::optional<int>(static_cast<int>(number)) : std::nullopt;
    }
    if (!value.is_string()) return std::nullopt;
    const std::string name = value.get<std::string>();
    const char* names[] = {"error", "warning", "information", "hint"};
    for (int i = 0; i < 4; ++i) {
        if (name == names[i]) return i + 1;
    }
    return std::nullopt;
}

std::optional<std::u16string> ReadPath(const json& value) {
    if (!value.is_string() || value.get_ref<const std::string&>().empty()) return std::nullopt;
    return Utf8ToUtf16(value.get_ref<const std::string&>());
}

// {"whole": [ids], "prose": [ids], "off": [ids]}, each list there or not; an id in two lists
// is refused, as neither choice would be plainly the user's.
std::optional<LanguageChoices> ReadLanguages(const json& value) {
    if (!value.is_object()) return std::nullopt;
    static constexpr std::pair<const char*, TextKind> kLists[] = {
        {"whole", TextKind::Whole}, {"prose", TextKind::Markdown}, {"off", TextKind::Off}};
    LanguageChoices choices;
    for (const auto& list : value.items()) {
        const auto kind = std::find_if(std::begin(kLists), std::end(kLists),
                                       [&](const auto& known) { return list.key() == known.first; });
        if (kind == std::end(kLists) || !list.value().is_array()) return std::nullopt;
        for (const json& id : list.value()) {
            if (!id.is_string()) return std::nullopt;
            const auto [chosen, added] = choices.emplace(id.get<std::string>(), kind->second);
            if (!added && chosen->second != kind->second) return std::nullopt;
        }
    }
    return choices;
}

}  // namespace

TextRules ChosenRules(std::string_view languageId, const LanguageChoices& choices) {
    const auto chosen = choices.find(languageId);
    return chosen == choices.end() ? RulesOfLanguage(languageId) : TextRules{chosen->second};
}

SettingsUpdate ReadSettings(const json& settings) {
    SettingsUpdate update;
    if (!settings.is_object()) return update;
    const bool section = settings.contains("morvane") && settings["morvane"].is_object();
    const json& values = section ? settings["morvane"] : settings;
    auto read = [&](const char* name, auto& target, auto reader, const char* wanted) {
        if (!values.contains(name) || values[name].is_null()) return;
        target = reader(values[name]);
        if (!target) {
            update.refused.push_back(std::string("Morvane: the setting ") + name + " must be " + wanted + ", not " +
                                     values[name].dump(-1, ' ', false, json::error_handler_t::replace) +
                                     "; the previous value is kept.");
        }
    };
    read("maxSuggestions", update.limit, ReadLimit, "a whole number from 0 to 32767");
    read("dictionary", update.dictionary, ReadPath, "the path of a dictionary file");
    read("personalWordList", update.personalWordList, ReadPath, "the path of a word list file");
    read("severity", update.severity, ReadSeverity, "\"error\", \"warning\", \"information\" or \"hint\"");
    read("languages", update.languages, ReadLanguages,
         "an object of lists of language ids, \"whole\", \"prose\" and \"off\", each id in one of them");
    return update;
}

}  // namespace morvane
