#include <istream>
#include <ostream>

#include "check/lsp/language_server.h"
#include "check/lsp/message_stream.h"

namespace morvane {

int RunLanguageServer(LanguageServerSetup setup, std::istream& in, std::ostream& out, std::ostream& err) {
    const auto send = [&](const nlohmann::json& message) {
        WriteMessage(out, message.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
    };
    LanguageServer server(std::move(setup), send, err);
    for (;;) {
        const IncomingMessage message = ReadMessage(in);
        if (message.kind == IncomingMessage::Kind::Broken) {
            err << "morvane-check: " << message.problem << "; the language server stops\n";
            return 1;
        }
        if (message.kind == IncomingMessage::Kind::End) {
            if (!server.ShutDown()) err << "morvane-check: the input ended before the client shut the server down\n";
            return server.ShutDown() ? 0 : 1;
        }
        server.Handle(message.body);
        if (!out) {
            err << "morvane-check: could not write to the client\n";
            return 1;
        }
        if (server.ExitRequested()) return server.ShutDown() ? 0 : 1;
    }
}

}  // namespace morvane
