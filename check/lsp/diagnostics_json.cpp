#include "diagnostics_json.h"

#include "engine/utf8.h"

namespace morvane {
namespace {

void AppendPosition(std::string& out, const TextPosition& position) {
    out += R"({"line":)";
    out += std::to_string(position.line);
    out += R"(,"character":)";
    out += std::to_string(position.character);
    out += '}';
}

}  // namespace

void WriteUnknownWordMessage(std::string& message, std::u16string_view word) {
    message = "Unknown word '";
    AppendUtf8(message, word);
    message += '\'';
}

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

std::string PublishDiagnosticsMessage(std::string_view uri, std::optional<std::int64_t> version,
                                      const CheckedDocument& document, PositionEncoding encoding, int severity) {
    const std::vector<FlaggedWord> flagged = document.Flagged();
    std::string out;
    out.reserve(128 + uri.size() + flagged.size() * 160);
    out += R"({"jsonrpc":"2.0","method":"textDocument/publishDiagnostics","params":{"uri":)";
    AppendJsonString(out, uri);
    if (version) {
        out += R"(,"version":)";
        out += std::to_string(*version);
    }
    out += R"(,"diagnostics":[)";
    const std::string severityText = std::to_string(severity);
    std::string message;
    TextDocument::LinePlace place;  // the words of a line come left to right: each walk goes on from the last
    for (const FlaggedWord& word : flagged) {
        if (&word != flagged.data()) {
            out += ',';
            if (word.line != (&word - 1)->line) place = {};
        }
        out += R"({"range":{"start":)";
        AppendPosition(out, document.Text().PositionAfter(place, word.line, word.column, encoding));
        out += R"(,"end":)";
        AppendPosition(out, document.Text().PositionAfter(place, word.line, word.column + word.length, encoding));
        out += R"(},"severity":)";
        out += severityText;
        out += R"(,"source":"morvane","message":)";
        WriteUnknownWordMessage(message, document.WordOf(word));
        AppendJsonString(out, message);
        out += '}';
    }
    out += "]}}";
    return out;
}

}  // namespace morvane
