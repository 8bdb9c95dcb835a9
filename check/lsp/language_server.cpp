#include "language_server.h"

#include <ostream>

#include "check/lsp/diagnostics_json.h"
#include "check/lsp/server_settings.h"
#include "check/word_check.h"
#include "engine/check_list.h"
#include "engine/utf8.h"

#ifndef MORVANE_VERSION_TEXT
#error "the build defines MORVANE_VERSION_TEXT"
#endif

namespace morvane {
namespace {

using nlohmann::json;

// JSON-RPC's and the protocol's error codes.
constexpr int kParseError = -32700;
constexpr int kInvalidRequest = -32600;
constexpr int kMethodNotFound = -32601;
constexpr int kInvalidParams = -32602;
constexpr int kServerNotInitialized = -32002;

constexpr int kMessageError = 1;  // window/showMessage's types
constexpr char kAddWordCommand[] = "morvane.addWord";
constexpr char kIgnoreWordCommand[] = "morvane.ignoreWord";

bool Lists(const json& list, const char* value) {
    if (!list.is_array()) return false;
    for (const json& item : list) {
        if (item.is_string() && item.get_ref<const std::string&>() == value) return true;
    }
    return false;
}

const json& Member(const json& object, const char* name) {
    static const json kNull;
    return object.is_object() && object.contains(name) ? object[name] : kNull;
}

TextPosition ReadPosition(const json& position) {
    return {position.at("line").get<std::size_t>(), position.at("character").get<std::size_t>()};
}

json PositionJson(const TextPosition& position) { return {{"line", position.line}, {"character", position.character}}; }

std::string Quoted(std::u16string_view word) { return "'" + Utf16ToUtf8(word) + "'"; }

}  // namespace

LanguageServer::LanguageServer(LanguageServerSetup setup, std::function<void(std::string_view)> send, std::ostream& err)
    : setup_(std::move(setup)), send_(std::move(send)), err_(err) {
    isFound_ = [this](std::u16string_view word) { return IsFound(word); };
}

bool LanguageServer::IsFound(std::u16string_view word) const {
    return IsFoundWord(word, setup_.dictionary.Words(), setup_.personal);
}

void LanguageServer::Handle(std::string body) {
    json message;
    try {
        message = json::parse(body);
    } catch (const json::exception& e) {  // not JSON, or a number out of a double's range
        ReplyError(nullptr, kParseError, std::string("the message is not JSON: ") + e.what());
        return;
    }
    std::string().swap(body);
    const json& method = Member(message, "method");
    const json& id = Member(message, "id");
    const bool validId = id.is_number_integer() || id.is_string();
    if (!method.is_string()) {
        const bool response = validId && (message.contains("result") || message.contains("error"));
        if (!response) ReplyError(validId ? id : json(), kInvalidRequest, "the message has no method");
        return;  // the answer to a request of ours: there are none to wait for
    }
    if (message.contains("id") && !validId) {
        ReplyError(nullptr, kInvalidRequest, "a request's id is a number or a string");
        return;
    }
    const std::string& name = method.get_ref<const std::string&>();
    // Taken out of the message, so that a notification may take its strings in turn.
    json params = message.is_object() && message.contains("params") ? std::move(message["params"]) : json();
    try {
        if (validId) {
            HandleRequest(name, id, params);
        } else {
            HandleNotification(name, params);
        }
    } catch (const json::exception& e) {
        if (validId) {
            ReplyError(id, kInvalidParams, name + ": " + e.what());
        } else {
            err_ << "morvane-check: " << name << " could not be handled: " << e.what() << '\n';
        }
    }
}

void LanguageServer::HandleRequest(const std::string& method, const json& id, const json& params) {
    if (!initialized_ && method != "initialize") {
        ReplyError(id, kServerNotInitialized, "the server has not been initialized");
    } else if (shutDown_) {
        ReplyError(id, kInvalidRequest, "the server has been shut down");
    } else if (method == "initialize") {
        if (initialized_) {
            ReplyError(id, kInvalidRequest, "the server is already initialized");
        } else {
            Reply(id, Initialize(params));
        }
    } else if (method == "shutdown") {
        shutDown_ = true;
        Reply(id, nullptr);
    } else if (method == "textDocument/codeAction") {
        Reply(id, CodeActions(params));
    } else if (method == "workspace/executeCommand") {
        const std::string problem = ExecuteCommand(params);
        if (problem.empty()) {
            Reply(id, nullptr);
        } else {
            ReplyError(id, kInvalidParams, problem);
        }
    } else {
        ReplyError(id, kMethodNotFound, "no such method: " + method);
    }
}

void LanguageServer::HandleNotification(const std::string& method, json& params) {
    if (method == "exit") {
        exitRequested_ = true;
        return;
    }
    if (!initialized_ || shutDown_) return;
    if (method == "textDocument/didOpen") {
        json& document = params.at("textDocument");
        const std::string& uri = document.at("uri").get_ref<const std::string&>();
        std::string languageId = Member(document, "languageId").is_string() ? document["languageId"].get<std::string>()
                                                                             : std::string();
        std::u16string text;
        {
            // The UTF-8 is let go once converted: the text is held once, not three times.
            const std::string utf8 = std::move(document.at("text").get_ref<std::string&>());
            text = Utf8ToUtf16(utf8);
        }
        OpenDocument open{CheckedDocument(ChosenRules(languageId, languages_), std::move(text), isFound_),
                          Member(document, "version").is_number_integer()
                              ? std::optional<std::int64_t>(document["version"].get<std::int64_t>())
                              : std::nullopt,
                          std::move(languageId)};
        const auto placed = documents_.insert_or_assign(uri, std::move(open)).first;
        Publish(uri, placed->second);
    } else if (method == "textDocument/didChange") {
        ChangeDocument(params);
    } else if (method == "textDocument/didClose") {
        const std::string& uri = params.at("textDocument").at("uri").get_ref<const std::string&>();
        if (documents_.erase(uri) != 0) Send({{"jsonrpc", "2.0"}, {"method", "textDocument/publishDiagnostics"},
                                              {"params", {{"uri", uri}, {"diagnostics", json::array()}}}});
    } else if (method == "workspace/didChangeConfiguration") {
        ApplySettings(Member(params, "settings"));
    }
    // initialized, didSave, $/cancelRequest (every request is answered as it comes) and
    // whatever else a client may send need nothing.
}

json LanguageServer::Initialize(const json& params) {
    const json& capabilities = Member(params, "capabilities");
    json result = json::object();
    if (Lists(Member(Member(capabilities, "general"), "positionEncodings"), "utf-8")) {
        encoding_ = PositionEncoding::Utf8;
    } else if (Lists(Member(capabilities, "offsetEncoding"), "utf-8")) {  // the older extension
        encoding_ = PositionEncoding::Utf8;
        result["offsetEncoding"] = "utf-8";
    }
    initialized_ = true;
    ApplySettings(Member(params, "initializationOptions"));
    result["capabilities"] = {
        {"positionEncoding", encoding_ == PositionEncoding::Utf8 ? "utf-8" : "utf-16"},
        {"textDocumentSync", {{"openClose", true}, {"change", 2}, {"save", {{"includeText", false}}}}},
        {"codeActionProvider", {{"codeActionKinds", {"quickfix"}}}},
        {"executeCommandProvider", {{"commands", {kAddWordCommand, kIgnoreWordCommand}}}},
    };
    result["serverInfo"] = {{"name", "morvane-check"}, {"version", MORVANE_VERSION_TEXT}};
    return result;
}

void LanguageServer::ChangeDocument(const json& params) {
    const json& document = params.at("textDocument");
    const auto open = documents_.find(document.at("uri").get<std::string>());
    if (open == documents_.end()) {
        err_ << "morvane-check: a change came for a document that is not open: " << document["uri"].get<std::string>()
             << '\n';
        return;
    }
    // All the changes are read before the first is made: a change that cannot be read leaves
    // the document as it was, not half changed.
    struct Change {
        std::optional<std::pair<TextPosition, TextPosition>> range;  // none: the whole text
        std::u16string text;
    };
    std::vector<Change> changes;
    for (const json& change : params.at("contentChanges")) {
        changes.push_back({std::nullopt, Utf8ToUtf16(change.at("text").get_ref<const std::string&>())});
        if (change.contains("range")) {
            const json& range = change["range"];
            changes.back().range = {ReadPosition(range.at("start")), ReadPosition(range.at("end"))};
        }
    }
    CheckedDocument& checked = open->second.checked;
    for (const Change& change : changes) {
        if (change.range) {
            checked.Edit(change.range->first, change.range->second, encoding_, change.text, isFound_);
        } else {
            checked.ReplaceAll(change.text, isFound_);
        }
    }
    if (Member(document, "version").is_number_integer()) open->second.version = document["version"].get<std::int64_t>();
    Publish(open->first, open->second);
}

json LanguageServer::Range(const CheckedDocument& document, const FlaggedWord& word) const {
    return {{"start", PositionJson(document.Text().PositionOf(word.line, word.column, encoding_))},
            {"end", PositionJson(document.Text().PositionOf(word.line, word.column + word.length, encoding_))}};
}

json LanguageServer::Diagnostic(const CheckedDocument& document, const FlaggedWord& word) const {
    std::string message;
    WriteUnknownWordMessage(message, document.WordOf(word));
    return {{"range", Range(document, word)},
            {"severity", severity_},
            {"source", "morvane"},
            {"message", std::move(message)}};
}

void LanguageServer::Publish(const std::string& uri, const OpenDocument& document) {
    send_(PublishDiagnosticsMessage(uri, document.version, document.checked, encoding_, severity_));
}

void LanguageServer::CheckAllAgain() {
    for (auto& [uri, document] : documents_) {
        document.checked.CheckAgain(isFound_);
        Publish(uri, document);
    }
}

json LanguageServer::CodeActions(const json& params) {
    const TextPosition from = ReadPosition(params.at("range").at("start"));
    const TextPosition to = ReadPosition(params.at("range").at("end"));
    json actions = json::array();
    const auto open = documents_.find(params.at("textDocument").at("uri").get<std::string>());
    if (open == documents_.end()) return actions;
    const CheckedDocument& document = open->second.checked;
    for (const FlaggedWord& flagged : document.Flagged(from.line, to.line)) {
        const TextPosition start = document.Text().PositionOf(flagged.line, flagged.column, encoding_);
        const TextPosition end = document.Text().PositionOf(flagged.line, flagged.column + flagged.length, encoding_);
        if (end < from || to < start) continue;
        const std::u16string word(document.WordOf(flagged));
        const json diagnostics = json::array({Diagnostic(document, flagged)});
        const CheckResult result = CheckWord(word, setup_.dictionary.Words(), setup_.limit);
        for (const std::u16string& entry : result.entries) {
            if (IsFixedListText(entry)) continue;
            const json edit = {{"range", Range(document, flagged)}, {"newText", Utf16ToUtf8(entry)}};
            actions.push_back({{"title", "Replace with " + Quoted(entry)},
                               {"kind", "quickfix"},
                               {"diagnostics", diagnostics},
                               {"isPreferred", actions.empty()},
                               {"edit", {{"changes", {{open->first, json::array({edit})}}}}}});
        }
        const auto command = [&](const std::string& title, const char* name) {
            actions.push_back({{"title", title},
                               {"kind", "quickfix"},
                               {"diagnostics", diagnostics},
                               {"command", {{"title", title}, {"command", name}, {"arguments", {Utf16ToUtf8(word)}}}}});
        };
        command("Add " + Quoted(word) + " to the personal word list", kAddWordCommand);
        command("Ignore " + Quoted(word) + " in this session", kIgnoreWordCommand);
    }
    return actions;
}

std::string LanguageServer::ExecuteCommand(const json& params) {
    const std::string& command = params.at("command").get_ref<const std::string&>();
    if (command != kAddWordCommand && command != kIgnoreWordCommand) return "no such command: " + command;
    const std::u16string word = Utf8ToUtf16(params.at("arguments").at(0).get_ref<const std::string&>());
    if (word.empty() || word.find_first_of(u"\r\n") != std::u16string::npos) {
        return command + " takes one word, without line breaks";  // the list keeps one word a line
    }
    if (command == kAddWordCommand) {
        setup_.personal.Add(word);
        const std::u16string failure = setup_.replaceFile(setup_.personalWordListPath, setup_.personal.FileText());
        if (!failure.empty()) {
            ShowMessage(kMessageError, "Morvane could not save the personal word list " +
                                           Utf16ToUtf8(setup_.personalWordListPath) + ": " + Utf16ToUtf8(failure) +
                                           ". The word counts as found until the server ends.");
        }
    } else {
        setup_.personal.AcceptForSession(word);
    }
    CheckAllAgain();
    return {};
}

void LanguageServer::ApplySettings(const json& settings) {
    SettingsUpdate update = ReadSettings(settings);
    if (update.limit) setup_.limit = *update.limit;
    bool checkAgain = false, publishAgain = false;
    const std::vector<std::string> rulesChanged =
        update.languages ? ChooseLanguages(std::move(*update.languages)) : std::vector<std::string>();
    if (update.severity && *update.severity != severity_) {
        severity_ = *update.severity;
        publishAgain = true;
    }
    if (update.dictionary && *update.dictionary != setup_.dictionaryPath) {
        Dictionary dictionary;
        dictionary.LoadDictionary(*update.dictionary, setup_.host);
        if (dictionary.DictionaryMissing()) {
            update.refused.push_back("Morvane could not load the dictionary " + Utf16ToUtf8(*update.dictionary) +
                                     "; it goes on with " + Utf16ToUtf8(setup_.dictionaryPath) + ".");
        } else {
            setup_.dictionary = std::move(dictionary);
            setup_.dictionaryPath = *update.dictionary;
            checkAgain = true;
        }
    }
    if (update.personalWordList && *update.personalWordList != setup_.personalWordListPath) {
        PersonalWords personal;
        FileReadResult file{true, {}, {}};
        const std::u16string& path = *update.personalWordList;
        if (setup_.host.FileExists(path)) file = setup_.host.ReadWholeFile(path);
        if (!file.ok) {
            update.refused.push_back("Morvane could not read the personal word list " +
                                     Utf16ToUtf8(*update.personalWordList) + ": " + Utf16ToUtf8(file.reason) +
                                     "; it goes on with " + Utf16ToUtf8(setup_.personalWordListPath) + ".");
        } else {
            personal.LoadFileText({file.bytes.data.get(), file.bytes.size});
            setup_.personal = std::move(personal);
            setup_.personalWordListPath = *update.personalWordList;
            checkAgain = true;
        }
    }
    for (const std::string& refused : update.refused) ShowMessage(kMessageError, refused);
    if (checkAgain) {
        CheckAllAgain();
    } else if (publishAgain) {
        for (const auto& [uri, document] : documents_) Publish(uri, document);
    } else {
        for (const std::string& uri : rulesChanged) Publish(uri, documents_.at(uri));
    }
}

std::vector<std::string> LanguageServer::ChooseLanguages(LanguageChoices choices) {
    languages_ = std::move(choices);
    std::vector<std::string> changed;
    for (auto& [uri, document] : documents_) {
        const TextRules rules = ChosenRules(document.languageId, languages_);
        if (rules == document.checked.Rules()) continue;
        document.checked.SetRules(rules, isFound_);
        changed.push_back(uri);
    }
    return changed;
}

void LanguageServer::ShowMessage(int type, const std::string& text) {
    Send({{"jsonrpc", "2.0"}, {"method", "window/showMessage"}, {"params", {{"type", type}, {"message", text}}}});
}

void LanguageServer::Send(const json& message) {
    send_(message.dump(-1, ' ', false, json::error_handler_t::replace));
}

void LanguageServer::Reply(const json& id, json result) {
    Send({{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}});
}

void LanguageServer::ReplyError(const json& id, int code, const std::string& message) {
    Send({{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}});
}

}  // namespace morvane
