#include <istream>
#include <ostream>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "check/lsp/language_server.h"
#include "check/lsp/message_stream.h"

namespace morvane {

int RunLanguageServer(LanguageServerSetup setup, std::istream& in, std::ostream& out, std::ostream& err) {
#if defined(__GLIBC__)
    // A document's text passes through several large blocks on its way in (the message, the
    // parser's buffer, the JSON string, the UTF-16 text). By default the allocator raises its
    // threshold for taking blocks straight from the system after the first such block is
    // freed, so the later ones land in the heap and their freed pages stay resident: the peak
    // was twice what is held at once. A fixed threshold hands every large block back.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    const auto send = [&](std::string_view message) { WriteMessage(out, message); };
    LanguageServer server(std::move(setup), send, err);
    for (;;) {
        IncomingMessage message = ReadMessage(in);
        if (message.kind == IncomingMessage::Kind::Broken) {
            err << "morvane-check: " << message.problem << "; the language server stops\n";
            return 1;
        }
        if (message.kind == IncomingMessage::Kind::End) {
            if (!server.ShutDown()) err << "morvane-check: the input ended before the client shut the server down\n";
            return server.ShutDown() ? 0 : 1;
        }
        server.Handle(std::move(message.body));
        if (!out) {
            err << "morvane-check: could not write to the client\n";
            return 1;
        }
        if (server.ExitRequested()) return server.ShutDown() ? 0 : 1;
    }
}

}  // namespace morvane
