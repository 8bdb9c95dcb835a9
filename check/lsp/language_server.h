#pragma once
// morvane-check --lsp: a language server over standard input and output. Open documents are
// checked as the pipe mode checks its lines, with the same word rule, personal word list and
// suggestions; each flagged word is a diagnostic, and its code actions are the check
// window's suggestions and the personal list's add and ignore.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "check/lsp/checked_document.h"
#include "check/lsp/server_settings.h"
#include "check/personal_words.h"
#include "engine/dictionary.h"

namespace morvane {

struct LanguageServerSetup {
    DictionaryHost& host;  // reads the files the settings name
    Dictionary dictionary;
    std::u16string dictionaryPath;
    int limit;
    std::u16string personalWordListPath;
    PersonalWords personal;
    // Replaces a file's content whole or not at all; returns why it failed, or the empty text.
    std::function<std::u16string(const std::u16string& path, std::string_view bytes)> replaceFile;
};

class LanguageServer {
public:
    // send writes one message (its JSON text) to the client; err takes what is for the user's
    // eyes only.
    LanguageServer(LanguageServerSetup setup, std::function<void(std::string_view message)> send, std::ostream& err);

    // One message's bytes, as they arrived; they are let go as soon as they are parsed, so a
    // large document is not held twice while its text is converted.
    void Handle(std::string body);

    bool ExitRequested() const { return exitRequested_; }
    bool ShutDown() const { return shutDown_; }

private:
    struct OpenDocument {
        CheckedDocument checked;
        std::optional<std::int64_t> version;
        std::string languageId;  // as it was opened: the user's choices may change its rules
    };

    void HandleRequest(const std::string& method, const nlohmann::json& id, const nlohmann::json& params);
    void HandleNotification(const std::string& method, nlohmann::json& params);
    nlohmann::json Initialize(const nlohmann::json& params);
    nlohmann::json CodeActions(const nlohmann::json& params);
    std::string ExecuteCommand(const nlohmann::json& params);  // what is wrong with it, or the empty text
    void ChangeDocument(const nlohmann::json& params);
    void ApplySettings(const nlohmann::json& settings);
    std::vector<std::string> ChooseLanguages(LanguageChoices choices);  // the documents whose rules changed

    void Publish(const std::string& uri, const OpenDocument& document);
    void CheckAllAgain();
    nlohmann::json Diagnostic(const CheckedDocument& document, const FlaggedWord& word) const;
    nlohmann::json Range(const CheckedDocument& document, const FlaggedWord& word) const;
    bool IsFound(std::u16string_view word) const;
    void ShowMessage(int type, const std::string& text);
    void Send(const nlohmann::json& message);
    void Reply(const nlohmann::json& id, nlohmann::json result);
    void ReplyError(const nlohmann::json& id, int code, const std::string& message);

    LanguageServerSetup setup_;
    std::function<void(std::string_view message)> send_;
    std::ostream& err_;
    CheckedDocument::IsFound isFound_;
    PositionEncoding encoding_ = PositionEncoding::Utf16;
    int severity_ = 3;  // Information
    LanguageChoices languages_;
    bool initialized_ = false;
    bool shutDown_ = false;
    bool exitRequested_ = false;
    std::map<std::string, OpenDocument> documents_;
};

// Serves one client on in and out until it says exit or the input ends. Exit status 0 after
// shutdown, 1 without, or when the input cannot be read on (the reason on err).
int RunLanguageServer(LanguageServerSetup setup, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace morvane
