// The language server on any input: the message reader takes back what the writer framed,
// and whatever arrives, everything written is framed JSON and the exit status one of 0 and 1.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <nlohmann/json.hpp>

#include "check/lsp/language_server.h"
#include "check/lsp/message_stream.h"
#include "fuzz/fuzz_input.h"

using namespace morvane;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "language server: %s\n", what);
    std::abort();
}

class NoFiles : public DictionaryHost {
public:
    bool FileExists(const std::u16string&) override { return false; }
    FileReadResult ReadWholeFile(const std::u16string&) override { return {false, {}, u"no files here"}; }
    void ShowMessage(const std::u16string&, const std::u16string&, int) override {}
    const AnsiCodePage& CodePage() override { return AnsiCodePage::Windows1252(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::istringstream in(bytes);
    for (IncomingMessage message = ReadMessage(in); message.kind == IncomingMessage::Kind::Message;
         message = ReadMessage(in)) {
        std::ostringstream framed;
        WriteMessage(framed, message.body);
        std::istringstream again(framed.str());
        const IncomingMessage read = ReadMessage(again);
        if (read.kind != IncomingMessage::Kind::Message || read.body != message.body) {
            Fail("a framed body read back differs");
        }
        if (ReadMessage(again).kind != IncomingMessage::Kind::End) Fail("a framed message is followed by more");
    }

    NoFiles host;
    in.clear();
    in.str(bytes);
    std::ostringstream out, err;
    LanguageServerSetup setup{host, Dictionary(), u"/words", 10, u"/personal", PersonalWords(),
                              [](const std::u16string&, std::string_view) { return std::u16string(); }};
    const int status = RunLanguageServer(std::move(setup), in, out, err);
    if (status != 0 && status != 1) Fail("an exit status other than 0 and 1");
    std::istringstream written(out.str());
    for (IncomingMessage message = ReadMessage(written); message.kind != IncomingMessage::Kind::End;
         message = ReadMessage(written)) {
        if (message.kind == IncomingMessage::Kind::Broken) Fail("the output is not framed");
        if (!nlohmann::json::accept(message.body)) Fail("a message written is not JSON");
    }
    return 0;
}
