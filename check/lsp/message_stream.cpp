#include "message_stream.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>

namespace morvane {
namespace {

constexpr std::size_t kMaxHeaderLineBytes = 4096;  // without its line end

IncomingMessage Broken(std::string problem) { return {IncomingMessage::Kind::Broken, {}, std::move(problem)}; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The length a Content-Length value gives, or why it is refused.
std::optional<std::size_t> ParseLength(std::string_view value, std::string& problem) {
    value = Trimmed(value);
    if (!value.empty() && value.front() == '-') {
        problem = "a message header gave a negative Content-Length (" + std::string(value) + ")";
        return std::nullopt;
    }
    std::size_t length = 0;
    for (char c : value) {
        if (c < '0' || c > '9') {
            problem = "a message header gave a Content-Length that is not a number (\"" + std::string(value) + "\")";
            return std::nullopt;
        }
        length = length * 10 + static_cast<std::size_t>(c - '0');
        if (length > kMaxMessageBytes) {
            problem = "a message header gave a Content-Length over the limit of 64 MiB (" + std::string(value) + ")";
            return std::nullopt;
        }
    }
    if (value.empty()) problem = "a message header gave an empty Content-Length";
    return value.empty() ? std::nullopt : std::optional<std::size_t>(length);
}

}  // namespace

IncomingMessage ReadMessage(std::istream& in) {
    std::optional<std::size_t> length;
    std::string line;
    bool started = false;
    for (;;) {
        line.clear();
        int c;
        while ((c = in.get()) != std::char_traits<char>::eof() && c != '\n') {
            // One more byte than the limit is kept: the \r of a line just long enough.
            if (line.size() > kMaxHeaderLineBytes) return Broken("a message header line is longer than 4096 bytes");
            line.push_back(static_cast<char>(c));
        }
        if (c != '\n') {
            if (!started && line.empty()) return {};
            return Broken("the input ended inside a message's header");
        }
        started = true;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > kMaxHeaderLineBytes) return Broken("a message header line is longer than 4096 bytes");
        if (line.empty()) break;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) return Broken("a message header line has no colon: \"" + line + "\"");
        if (EqualsIgnoringCase(Trimmed(std::string_view(line).substr(0, colon)), "Content-Length")) {
            std::string problem;
            length = ParseLength(std::string_view(line).substr(colon + 1), problem);
            if (!length) return Broken(problem);
        }
    }
    if (!length) return Broken("a message header has no Content-Length");
    // The body grows as its bytes arrive, so a length that is never sent costs nothing.
    IncomingMessage message{IncomingMessage::Kind::Message, {}, {}};
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    while (message.body.size() < *length) {
        const std::size_t had = message.body.size();
        const std::size_t piece = std::min(kPiece, *length - had);
        message.body.resize(had + piece);
        in.read(message.body.data() + had, static_cast<std::streamsize>(piece));
        if (static_cast<std::size_t>(in.gcount()) != piece) {
            return Broken("the input ended inside a message: " + std::to_string(had + in.gcount()) + " of its " +
                          std::to_string(*length) + " bytes arrived");
        }
    }
    return message;
}

void WriteMessage(std::ostream& out, std::string_view body) {
    out << "Content-Length: " << body.size() << "\r\n\r\n";
    out.write(body.data(), static_cast<std::streamsize>(body.size()));
    out.flush();
}

}  // namespace morvane
