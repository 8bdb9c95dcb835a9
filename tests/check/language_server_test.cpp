// morvane-check --lsp as a client sees it: framed JSON-RPC in, framed JSON-RPC out, and the
// exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "check/check_command.h"
#include "check/lsp/server_settings.h"
#include "engine/utf8.h"
#include "engine_fixtures.h"

namespace morvane {
namespace {

using nlohmann::json;

const std::u16string kDictionary = u"/opt/morvane/Morvane.dictionary";
const std::u16string kPersonal = u"/home/me/personal-words";
// "caf", "na" and "ve" are here so that "café" and "naïve" are found whether a word ends at
// the first letter outside A-Z or takes the accented letters in.
const std::vector<std::u16string> kEntries = {
    u"a",    u"after", u"an",   u"and",  u"bad",  u"bed",       u"bid",     u"caf", u"code",  u"end",
    u"fence", u"heading", u"hello", u"in", u"is", u"link", u"lone", u"na", u"not", u"or", u"paragraph",
    u"receive", u"see", u"still", u"text", u"the", u"then", u"title", u"to", u"ve", u"www"};

std::string Framed(const std::string& body) {
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}
std::string Notification(const std::string& method, json params = json::object()) {
    return Framed(json{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}}.dump());
}
std::string Request(int id, const std::string& method, json params = json::object()) {
    return Framed(json{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}}.dump());
}
std::string Initialize(json capabilities = json::object(), json options = nullptr) {
    return Request(0, "initialize", {{"capabilities", capabilities}, {"initializationOptions", options}}) +
           Notification("initialized");
}
const std::string kShutdownAndExit = Request(99, "shutdown") + Notification("exit");

std::string Open(const std::string& uri, const std::string& text, const std::string& language = "plaintext") {
    return Notification("textDocument/didOpen",
                        {{"textDocument", {{"uri", uri}, {"languageId", language}, {"version", 1}, {"text", text}}}});
}
json Range(std::size_t line, std::size_t start, std::size_t end) {
    return {{"start", {{"line", line}, {"character", start}}}, {"end", {{"line", line}, {"character", end}}}};
}
std::string Change(const std::string& uri, int version, json change) {
    return Notification("textDocument/didChange",
                        {{"textDocument", {{"uri", uri}, {"version", version}}}, {"contentChanges", change}});
}
std::string Command(int id, const std::string& command, const std::string& word) {
    return Request(id, "workspace/executeCommand", {{"command", command}, {"arguments", {word}}});
}
std::string CodeAction(int id, const std::string& uri, json range) {
    return Request(id, "textDocument/codeAction", {{"textDocument", {{"uri", uri}}}, {"range", range}});
}

class LanguageServerTest : public ::testing::Test {
protected:
    LanguageServerTest() { host.files[kDictionary] = testing::JoinedBytes(kEntries); }

    // Serves the input; the messages written are in `sent`, each checked to be framed.
    int Serve(const std::string& input) {
        std::istringstream in(input);
        std::ostringstream out;
        err.str("");
        auto replace = [this](const std::u16string& path, std::string_view bytes) -> std::u16string {
            if (saveFails) return u"the disk is full";
            host.files[path] = bytes;
            return {};
        };
        CheckCommandContext context{host, u"/opt/morvane", u'/', in, out, err, kPersonal, replace};
        const int status = RunCheckCommand({u"--lsp", u"-d", kDictionary}, context);
        sent.clear();
        std::istringstream written(out.str());
        std::string header;
        for (std::size_t length; written >> header >> length;) {
            std::string body(length + 4, '\0');
            written.read(body.data(), static_cast<std::streamsize>(body.size()));
            EXPECT_EQ(header + body.substr(0, 4), "Content-Length:\r\n\r\n");
            sent.push_back(json::parse(body.substr(4)));
        }
        EXPECT_TRUE(written.eof()) << "unframed output after " << sent.size() << " messages";
        return status;
    }

    // The params of what the server sent by a method, in order.
    std::vector<json> Sent(const std::string& method) const {
        std::vector<json> params;
        for (const json& m : sent) {
            if (m.value("method", "") == method) params.push_back(m["params"]);
        }
        return params;
    }
    // What each publication for a document flagged, as [line, start, end] triples.
    json Published(const std::string& uri) const {
        json all = json::array();
        for (const json& p : Sent("textDocument/publishDiagnostics")) {
            if (p["uri"] != uri) continue;
            all.push_back(json::array());
            for (const json& d : p["diagnostics"]) {
                const json &start = d["range"]["start"], &end = d["range"]["end"];
                all.back().push_back({start["line"], start["character"], end["character"]});
            }
        }
        return all;
    }
    json Answer(int id) const {
        for (const json& m : sent) {
            if (m.contains("id") && m["id"] == id) return m;
        }
        return nullptr;
    }

    testing::FakeHost host;
    bool saveFails = false;
    std::ostringstream err;
    std::vector<json> sent;
};

TEST_F(LanguageServerTest, FollowsTheLifeCycleAndAnswersEveryBadRequestWithItsError) {
    const std::string input =
        Request(1, "shutdown") + Open("file:///early", "bda") + Framed("{\"jsonrpc\": \"2.0\", \"method\": ") +
        Initialize({{"general", {{"positionEncodings", {"utf-16"}}}}}) + Request(2, "initialize") +
        Notification("$/cancelRequest", {{"id", 2}}) + Notification("morvane/unknown") + Request(3, "morvane/unknown") +
        Framed("{\"jsonrpc\": \"2.0\", \"id\": 4}") + Framed("[1, 2]") +
        Framed("{\"jsonrpc\": \"2.0\", \"id\": 12, \"method\": \"x\", \"params\": [1e400]}") +
        Request(5, "textDocument/codeAction", {{"textDocument", {{"uri", "file:///a"}}}}) +
        Request(6, "workspace/executeCommand", {{"command", "morvane.format"}, {"arguments", {"x"}}}) +
        // A change that cannot be read leaves the document as it was, and a word is one line.
        Open("file:///a", "bda") +
        Change("file:///a", 2, {{{"range", Range(0, 0, 3)}, {"text", "xyz"}}, {{"range", Range(0, 0, 0)}}}) +
        CodeAction(10, "file:///a", Range(0, 0, 0)) + Command(11, "morvane.addWord", "two\nwords") +
        Change("file:///a", 3, {{{"text", "hello xyz"}}}) + Request(7, "shutdown") +
        Request(8, "textDocument/codeAction") + Notification("exit") + Request(9, "shutdown");
    EXPECT_EQ(Serve(input), 0);
    json summary = json::array();
    for (const json& m : sent) {
        if (m.contains("id")) summary.push_back({m["id"], m.contains("error") ? m["error"]["code"] : json("result")});
    }
    EXPECT_EQ(summary, json::parse(R"([[1, -32002], [null, -32700], [0, "result"], [2, -32600], [3, -32601],
                                      [4, -32600], [null, -32600], [null, -32700], [5, -32602], [6, -32602], [10, "result"],
                                      [11, -32602], [7, "result"], [8, -32600]])"));
    const json result = Answer(0)["result"];
    EXPECT_EQ(result["capabilities"]["positionEncoding"], "utf-16");
    EXPECT_EQ(result["capabilities"]["textDocumentSync"]["change"], 2);  // incremental
    EXPECT_EQ(result["capabilities"]["executeCommandProvider"]["commands"],
              json({"morvane.addWord", "morvane.ignoreWord"}));
    EXPECT_TRUE(Published("file:///early").empty()) << "a document opened before initialize is dropped";
    EXPECT_EQ(Answer(10)["result"].back()["title"], "Ignore 'bda' in this session");
    ASSERT_EQ(Published("file:///a").size(), 2u) << "opened, and changed whole";
    EXPECT_EQ(Published("file:///a")[1], json::parse("[[0, 6, 9]]"));
    EXPECT_EQ(host.files.count(kPersonal), 0u);

    // exit without shutdown, or the input's end, is status 1; the end after shutdown is 0.
    EXPECT_EQ(Serve(Initialize() + Notification("exit")), 1);
    EXPECT_EQ(Serve(Initialize()), 1);
    EXPECT_NE(err.str().find("before the client shut the server down"), std::string::npos);
    EXPECT_EQ(Serve(Initialize() + Request(7, "shutdown")), 0);
}

TEST_F(LanguageServerTest, BadFramingStopsTheServerWithAMessageAndNothingButProtocolIsWritten) {
    const std::pair<std::string, std::string> cases[] = {
        {"Content-Type: application/vscode-jsonrpc\r\n\r\n{}", "no Content-Length"},
        {"Content-Length: -2\r\n\r\n{}", "negative Content-Length"},
        {"Content-Length: 67108865\r\n\r\n", "over the limit of 64 MiB"},
        {"Content-Length: 184467440737095516160\r\n\r\n", "over the limit of 64 MiB"},
        {"Content-Length: 67108864\r\n\r\n{}", "2 of its 67108864 bytes arrived"},
        {"Content-Length: 2x\r\n\r\n{}", "not a number"},
        {"Content-Length: 30\r\n", "ended inside a message's header"},
        {"Content-Length 2\r\n\r\n{}", "no colon"},
        {std::string(4097, 'X') + "\r\n\r\n{}", "longer than 4096 bytes"},
        {"Content-Type: " + std::string(4082, 'x') + "\r\n\r\n{}", "no Content-Length"},  // 4096 bytes are read
    };
    for (const auto& [input, told] : cases) {
        EXPECT_EQ(Serve(Initialize() + input), 1) << told;
        EXPECT_NE(err.str().find(told), std::string::npos) << err.str();
        ASSERT_EQ(sent.size(), 1u) << told;
        EXPECT_EQ(sent[0]["id"], 0) << told;
    }
    // Header names are read without regard to case, and other headers are passed over.
    const std::string body = R"({"jsonrpc": "2.0", "id": 1, "method": "initialize", "params": {}})";
    EXPECT_EQ(Serve("content-length: " + std::to_string(body.size()) +
                    "\r\nContent-Type: application/vscode-jsonrpc; charset=utf-8\r\n\r\n" + body + kShutdownAndExit),
              0);
    EXPECT_EQ(Answer(1)["result"]["serverInfo"]["name"], "morvane-check");
}

// Where "xyz" is on each line, as [line, start, end]: in bytes, or in the UTF-16 units they decode to.
json WhereXyz(const std::vector<std::string>& lines, bool utf16) {
    json ranges = json::array();
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const std::string& text = lines[line];
        auto column = [&](std::size_t byte) { return utf16 ? Utf8ToUtf16(text.substr(0, byte)).size() : byte; };
        for (std::size_t at = text.find("xyz"); at != std::string::npos; at = text.find("xyz", at + 1)) {
            ranges.push_back({line, column(at), column(at + 3)});
        }
    }
    return ranges;
}

TEST_F(LanguageServerTest, RangesCountInTheNegotiatedEncodingWhateverPrecedesTheWordAndEndsTheLine) {
    // Accented letters, emoji, a tab, characters at the edges of each length in UTF-8 and
    // UTF-16, and every line end before the flagged words.
    const std::vector<std::string> lines = {"na\xC3\xAFve \xF0\x9F\x98\x80\txyz xyz", "caf\xC3\xA9 xyz",
                                            "\xF0\x9F\x98\x80\xF0\x9F\x98\x80 xyz",
                                            "\t\xC2\x80\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xF0\x90\x80\x80"
                                            "\xF4\x8F\xBF\xBF xyz"};
    const std::pair<json, bool> cases[] = {  // the client's capabilities, and whether they settle on UTF-8
        {{{"general", {{"positionEncodings", {"utf-16", "utf-8"}}}}}, true},
        {{{"offsetEncoding", {"utf-8", "utf-16"}}}, true},
        {json::object(), false},
    };
    for (const auto& [capabilities, utf8] : cases) {
        const std::string text = lines[0] + "\r\n" + lines[1] + "\r" + lines[2] + "\n" + lines[3];
        EXPECT_EQ(Serve(Initialize(capabilities) + Open("file:///t", text) + kShutdownAndExit), 0);
        EXPECT_EQ(Answer(0)["result"].value("offsetEncoding", "none"),
                  capabilities.contains("offsetEncoding") ? "utf-8" : "none");
        EXPECT_EQ(Published("file:///t").at(0), WhereXyz(lines, !utf8)) << capabilities;
        const json first = Sent("textDocument/publishDiagnostics").at(0)["diagnostics"][0];
        EXPECT_EQ(json({first["message"], first["source"], first["severity"]}),
                  json({"Unknown word 'xyz'", "morvane", 3}));
    }
}

TEST_F(LanguageServerTest, APublishedListNamesItsDocumentWhateverCharactersTheAddressHolds) {
    // The list is written as JSON text by hand: quotes, backslashes, every control character
    // and letters outside ASCII in the address must come back as they went.
    std::string uri = "file:///a \"quoted\" \\path\\ caf\xC3\xA9 \xF0\x9F\x98\x80 ";
    for (char c = 1; c < 0x20; ++c) uri += c;
    uri += '\x7F';
    EXPECT_EQ(Serve(Initialize() + Open(uri, "xyz the xyz") + kShutdownAndExit), 0);
    const json published = Sent("textDocument/publishDiagnostics").at(0);
    EXPECT_EQ(json({published["uri"], published["version"], published["diagnostics"].size()}), json({uri, 1, 2}));
}

TEST_F(LanguageServerTest, MarkdownIsCheckedWithoutItsCodeAddressesAndTags) {
    // "xyz" is flagged where it is prose; "bda" is only where nothing is checked.
    const std::vector<std::string> lines = {
        "# Heading xyz",
        "    bda after a heading is code",
        "``a ` bda`` then xyz, the `bda` and a lone ` and xyz",
        "    still the paragraph: xyz",
        "",
        "```bda",
        "bda in a fence",
        "~~~ not the end",
        "    ```",  // indented four: not the end either
        "```",
        "[link text xyz](https://bda.example/bda \"title xyz\") <b class=bda>xyz</b> <!-- bda -->",
        "see http://bda.example/x, www.bda.org, not.www.xyz and <https://bda.org> or <me@bda.org>",
        " [link]: bda/ref.html",
        "a [link](bda.html) and [link](<bda and bda.md> \"xyz\")",
        "",
        "\tbda in an indented block",
        "    ``` in the block, not a fence",
        "https://bda.example/x is a link to xyz",
    };
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    EXPECT_EQ(Serve(Initialize() + Open("file:///n.md", text, "markdown") + Open("file:///n.txt", text, "text") +
                    kShutdownAndExit),
              0);
    const json flagged = WhereXyz(lines, false);
    EXPECT_EQ(Published("file:///n.md").at(0), flagged);
    EXPECT_GT(Published("file:///n.txt").at(0).size(), flagged.size() + 10) << "plain text is checked whole";
}

TEST_F(LanguageServerTest, IncrementalChangesFindWhatCheckingTheWholeNewTextFinds) {
    const std::vector<std::u16string> pieces = {u"```\n", u"~~~~", u"bda ", u"hello ", u"`", u"    ", u"\r", u"\n",
                                                u"\r\n", u"na\u00EFve", u"\U0001F600", u"[bda](xyz)", u"<b>", u"www.x ",
                                                u"# ", u"xyz", u""};
    const int kEdits = 300;
    for (const bool utf8 : {false, true}) {
        std::mt19937 random(19);
        std::u16string text = u"intro xyz\n```\nbda\n```\n    bda\nend bda\n";
        std::string input = Initialize(utf8 ? json{{"general", {{"positionEncodings", {"utf-8"}}}}} : json::object()) +
                            Open("file:///edited.md", Utf16ToUtf8(text), "markdown");
        for (int edit = 0; edit < kEdits; ++edit) {
            // A place as a line (ended by CR LF, LF or CR) and a character in the negotiated encoding,
            // moved off the middle of a line end or of a surrogate pair.
            auto place = [&](std::size_t at) {
                if (at > 0 && at < text.size() &&
                    ((text[at - 1] & 0xFC00) == 0xD800 || text.compare(at - 1, 2, u"\r\n") == 0)) {
                    --at;
                }
                std::size_t line = 0, lineStart = 0;
                for (std::size_t i = 0; i < at; ++i) {
                    if (text[i] != u'\n' && (text[i] != u'\r' || text.compare(i, 2, u"\r\n") == 0)) continue;
                    ++line;
                    lineStart = i + 1;
                }
                const std::u16string before = text.substr(lineStart, at - lineStart);
                const std::size_t character = utf8 ? Utf16ToUtf8(before).size() : before.size();
                return std::pair{at, json{{"line", line}, {"character", character}}};
            };
            const std::size_t from = random() % (text.size() + 1);
            const auto [start, startPlace] = place(from);
            const auto [end, endPlace] = place(std::min(text.size(), from + random() % 8));  // small, as typed
            const std::u16string piece = pieces[random() % pieces.size()];
            text.replace(start, end - start, piece);
            input += Change("file:///edited.md", edit + 2,
                            {{{"range", {{"start", startPlace}, {"end", endPlace}}}, {"text", Utf16ToUtf8(piece)}}}) +
                     Open("file:///fresh" + std::to_string(edit), Utf16ToUtf8(text), "markdown");
        }
        ASSERT_EQ(Serve(input + kShutdownAndExit), 0);
        const json edited = Published("file:///edited.md");
        ASSERT_EQ(edited.size(), kEdits + 1u);
        for (int edit = 0; edit < kEdits; ++edit) {
            ASSERT_EQ(edited[edit + 1], Published("file:///fresh" + std::to_string(edit)).at(0))
                << "after edit " << edit << (utf8 ? ", in UTF-8" : ", in UTF-16");
        }
    }
}

TEST_F(LanguageServerTest, CodeActionsOfferTheWindowsListAndThePersonalWordList) {
    // The cursor at the start of one word, at the end of the other: both are on the word.
    EXPECT_EQ(Serve(Initialize({}, {{"maxSuggestions", 2}, {"severity", "warning"}}) + Open("file:///a", "xyz bda") +
                    Open("file:///b", "bda, xyz and qqq") + CodeAction(1, "file:///a", Range(0, 4, 4)) +
                    CodeAction(4, "file:///a", Range(0, 3, 3)) + Command(2, "morvane.addWord", "bda") +
                    Command(3, "morvane.ignoreWord", "xyz") +
                    Notification("textDocument/didClose", {{"textDocument", {{"uri", "file:///b"}}}}) +
                    kShutdownAndExit),
              0);
    json titles = json::array(), actions = Answer(1)["result"];
    for (const json& action : actions) titles.push_back(action["title"]);
    EXPECT_EQ(titles, json({"Replace with 'bad'", "Replace with 'bed'", "Add 'bda' to the personal word list",
                            "Ignore 'bda' in this session"}));
    EXPECT_EQ(Answer(4)["result"].size(), 2u) << "a word with no suggestions gets only the list's actions";
    EXPECT_EQ(Sent("textDocument/publishDiagnostics").at(0)["diagnostics"][0]["severity"], 2);
    EXPECT_EQ(Answer(2), json({{"jsonrpc", "2.0"}, {"id", 2}, {"result", nullptr}}));

    // Adding saves the list, ignoring saves nothing; each refreshes every open document.
    EXPECT_EQ(host.files[kPersonal], "bda\n");
    EXPECT_EQ(Published("file:///b"), json::parse("[[[0, 0, 3], [0, 5, 8], [0, 13, 16]], [[0, 5, 8], [0, 13, 16]], "
                                                  "[[0, 13, 16]], []]"))
        << "opened, added, ignored, closed";
    EXPECT_EQ(Published("file:///a").back(), json::array());

    // A failed save is told, and the word is found for the rest of the session.
    saveFails = true;
    EXPECT_EQ(Serve(Initialize() + Open("file:///a", "xyz") + Command(2, "morvane.addWord", "xyz") + kShutdownAndExit),
              0);
    const std::vector<json> shown = Sent("window/showMessage");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].dump().find("the disk is full"), std::string::npos) << shown[0];
    EXPECT_EQ(Published("file:///a").back(), json::array());
}

TEST_F(LanguageServerTest, SettingsChangeTheCheckAndABadValueIsToldAndIgnored) {
    host.files[u"/elsewhere/words"] = "xyz\n";
    host.unreadable[u"/locked/words"] = u"access denied";
    host.files[u"/elsewhere/dictionary"] = testing::JoinedBytes({u"bda"});
    std::string input =
        Initialize({}, {{"maxSuggestions", "ten"}, {"dictionary", 42}}) + Open("file:///a", "bda xyz");
    for (const json& settings : json::parse(R"([{"morvane": {"severity": "loud", "dictionary": "/nowhere"}},
            {"personalWordList": "/elsewhere/words", "severity": 1},
            {"maxSuggestions": 40000, "personalWordList": "/locked/words"},
            {"dictionary": "/elsewhere/dictionary", "maxSuggestions": 0}, {"personalWordList": "/new/words"},
            {"severity": 4}])")) {
        input += Notification("workspace/didChangeConfiguration", {{"settings", settings}});
    }
    EXPECT_EQ(Serve(input + kShutdownAndExit), 0);
    const std::vector<json> shown = Sent("window/showMessage");
    EXPECT_EQ(shown.size(), 6u);
    for (const char* told : {"maxSuggestions must be a whole number", "dictionary must be the path", "severity must be",
                             "could not load the dictionary /nowhere", "list /locked/words: access denied"}) {
        EXPECT_NE(json(shown).dump().find(told), std::string::npos) << told;
    }
    json seen = json::array();
    for (const json& p : Sent("textDocument/publishDiagnostics")) {
        seen.push_back(p["diagnostics"].empty() ? json(0) : p["diagnostics"][0]["severity"]);
    }
    // Opened; the personal list and severity; the new dictionary knows "bda"; a personal list
    // that is not there yet is an empty one; the severity alone.
    EXPECT_EQ(Published("file:///a"),
              json::parse("[[[0, 0, 3], [0, 4, 7]], [[0, 0, 3]], [], [[0, 4, 7]], [[0, 4, 7]]]"));
    EXPECT_EQ(seen, json({3, 1, 0, 1, 4})) << "the severities";
}

TEST_F(LanguageServerTest, TheLanguagesSettingChangesHowDocumentsAreCheckedAndRepublishesOnlyThose) {
    std::string input = Initialize({}, {{"languages", {{"off", {"markdown"}}}}}) +
                        Open("file:///a.md", "xyz `bda`", "markdown") + Open("file:///b.txt", "xyz");
    for (const json& settings : json::parse(R"([{"languages": {"whole": ["markdown", "markdown"]}},
            {"morvane": {"languages": {"whole": ["markdown", "yaml"], "off": ["markdown"]}}},
            {"languages": {"prose": "markdown"}}, {"languages": {"loud": []}}, {"languages": ["markdown"]},
            {"languages": {"off": ["plaintext"], "prose": [1]}}, {"languages": {"off": ["plaintext"]}}])")) {
        input += Notification("workspace/didChangeConfiguration", {{"settings", settings}});
    }
    EXPECT_EQ(Serve(input + kShutdownAndExit), 0);
    // Off, then whole; each setting replaces the one before, so Markdown goes back to its own rules.
    EXPECT_EQ(Published("file:///a.md"), json::parse("[[], [[0, 0, 3], [0, 5, 8]], [[0, 0, 3]]]"));
    EXPECT_EQ(Published("file:///b.txt"), json::parse("[[[0, 0, 3]], []]"));
    const std::vector<json> shown = Sent("window/showMessage");
    EXPECT_EQ(shown.size(), 5u);
    for (const json& message : shown) {
        EXPECT_NE(message["message"].get<std::string>().find("the setting languages must be"), std::string::npos)
            << message;
    }
}

TEST(LanguageChoicesTest, AChoiceTakesTheLanguageIdAsItIsAndLeavesOthersTheirOwnRules) {
    const LanguageChoices choices = {
        {"markdown", TextKind::Off}, {"yaml", TextKind::Markdown}, {"latex", TextKind::Whole}};
    const std::pair<const char*, TextKind> cases[] = {
        {"markdown", TextKind::Off}, {"yaml", TextKind::Markdown}, {"latex", TextKind::Whole},
        {"md", TextKind::Markdown},  {"tex", TextKind::Latex},     {"LaTeX", TextKind::Latex},
        {"Markdown", TextKind::Whole}, {"bibtex", TextKind::Off},  {"", TextKind::Whole}};
    for (const auto& [id, kind] : cases) EXPECT_EQ(ChosenRules(id, choices).kind, kind) << id;
}

}  // namespace
}  // namespace morvane
