#include "server_settings.h"

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

}  // namespace

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
    return update;
}

}  // namespace morvane
