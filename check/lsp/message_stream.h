#pragma once
// The language server's framing: each message is a header (Content-Length: N, optionally
// Content-Type), an empty line, and N bytes of JSON.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace morvane {

// The longest message accepted; a longer one is refused from its header, before anything is
// allocated for it.
inline constexpr std::size_t kMaxMessageBytes = std::size_t{64} << 20;

struct IncomingMessage {
    enum class Kind {
        Message,  // body holds the message's bytes
        End,      // the input ended between two messages
        Broken,   // the input cannot be read on: problem says why
    };
    Kind kind = Kind::End;
    std::string body;
    std::string problem;
};

IncomingMessage ReadMessage(std::istream& in);

// One message, framed, and flushed: the client waits for it.
void WriteMessage(std::ostream& out, std::string_view body);

}  // namespace morvane
