#pragma once
// The textDocument/publishDiagnostics notification, written straight as JSON text. The
// protocol resends a document's whole list after every edit, so the list is written in one
// pass over the flagged words rather than built as a JSON tree and then serialised.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "checked_document.h"

namespace morvane {

// What a diagnostic says of a word that is not found, written into `message`, whose room is
// kept from one diagnostic to the next.
void WriteUnknownWordMessage(std::string& message, std::u16string_view word);

// Appends text (valid UTF-8) as a JSON string, quotes included.
void AppendJsonString(std::string& out, std::string_view text);

// The whole notification: every flagged word of the document, its range in the given encoding.
std::string PublishDiagnosticsMessage(std::string_view uri, std::optional<std::int64_t> version,
                                      const CheckedDocument& document, PositionEncoding encoding, int severity);

}  // namespace morvane
