// morvane-check --lsp as a client sees it: framed JSON-RPC in, framed JSON-RPC out, and the
// exit status.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "check/check_command.h"
#include "engine/check_list.h"
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
    u"receive", u"see", u"still", u"text", u"the", u"then", u"title", u"to", u"ve"};

std::string Framed(const std::string& body) {
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}
std::string Request(int id, const std::string& method, json params = json::object()) {
    return Framed(json{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}}.dump());
}
std::string Notification(const std::string& method, json params = json::object()) {
    return Framed(json{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}}.dump());
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
std::string Change(const std::string& uri, int version, json range, const std::string& text) {
    return Notification("textDocument/didChange", {{"textDocument", {{"uri", uri}, {"version", version}}},
                                                   {"contentChanges", {{{"range", range}, {"text", text}}}}});
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
        std::string rest = out.str();
        while (!rest.empty()) {
            const std::size_t blank = rest.find("\r\n\r\n");
            EXPECT_EQ(rest.rfind("Content-Length: ", 0), 0u) << rest;
            if (blank == std::string::npos || rest.rfind("Content-Length: ", 0) != 0) break;
            const std::size_t length = std::stoul(rest.substr(16, blank - 16));
            sent.push_back(json::parse(rest.substr(blank + 4, length)));
            rest.erase(0, blank + 4 + length);
        }
        return status;
    }

    // What the server published for a document, in order.
    std::vector<json> Published(const std::string& uri) const {
        std::vector<json> all;
        for (const json& m : sent) {
            if (m.value("method", "") == "textDocument/publishDiagnostics" && m["params"]["uri"] == uri) {
                all.push_back(m["params"]["diagnostics"]);
            }
        }
        return all;
    }
    // The flagged words' ranges of a publication, as [line, start, end] triples.
    static json Ranges(const json& diagnostics) {
        json ranges = json::array();
        for (const json& d : diagnostics) {
            const json& range = d["range"];
            ranges.push_back({range["start"]["line"], range["start"]["character"], range["end"]["character"]});
        }
        return ranges;
    }
    json Answer(int id) const {
        for (const json& m : sent) {
            if (m.contains("id") && m["id"] == id) return m;
        }
        return nullptr;
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const json& m : sent) {
            if (m.value("method", "") == "window/showMessage") texts.push_back(m["params"]["message"]);
        }
        return texts;
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
        Request(5, "textDocument/codeAction", {{"textDocument", {{"uri", "file:///a"}}}}) +
        Request(6, "workspace/executeCommand", {{"command", "morvane.format"}, {"arguments", {"x"}}}) +
        // A change that cannot be read leaves the document as it was, and a word is one line.
        Open("file:///a", "bda") +
        Notification("textDocument/didChange", {{"textDocument", {{"uri", "file:///a"}, {"version", 2}}},
                                                {"contentChanges", {{{"range", Range(0, 0, 3)}, {"text", "xyz"}},
                                                                    {{"range", Range(0, 0, 0)}}}}}) +
        Request(10, "textDocument/codeAction", {{"textDocument", {{"uri", "file:///a"}}}, {"range", Range(0, 0, 0)}}) +
        Request(11, "workspace/executeCommand", {{"command", "morvane.addWord"}, {"arguments", {"two\nwords"}}}) +
        Notification("textDocument/didChange", {{"textDocument", {{"uri", "file:///a"}, {"version", 3}}},
                                                {"contentChanges", {{{"text", "hello xyz"}}}}}) +
        Request(7, "shutdown") + Request(8, "textDocument/codeAction") + Notification("exit") + Request(9, "shutdown");
    EXPECT_EQ(Serve(input), 0);
    json summary = json::array();
    for (const json& m : sent) {
        if (m.contains("id")) summary.push_back({m["id"], m.contains("error") ? m["error"]["code"] : json("result")});
    }
    EXPECT_EQ(summary, json::parse(R"([[1, -32002], [null, -32700], [0, "result"], [2, -32600], [3, -32601],
                                      [4, -32600], [null, -32600], [5, -32602], [6, -32602], [10, "result"],
                                      [11, -32602], [7, "result"], [8, -32600]])"));
    const json result = Answer(0)["result"];
    EXPECT_EQ(result["capabilities"]["positionEncoding"], "utf-16");
    EXPECT_EQ(result["capabilities"]["textDocumentSync"]["change"], 2);  // incremental
    EXPECT_EQ(result["capabilities"]["executeCommandProvider"]["commands"],
              json({"morvane.addWord", "morvane.ignoreWord"}));
    EXPECT_EQ(result["serverInfo"], json({{"name", "morvane-check"}, {"version", "1.0.0"}}));
    EXPECT_TRUE(Published("file:///early").empty()) << "a document opened before initialize is dropped";
    EXPECT_EQ(Answer(10)["result"].back()["title"], "Ignore 'bda' in this session");
    ASSERT_EQ(Published("file:///a").size(), 2u) << "opened, and changed whole";
    EXPECT_EQ(Ranges(Published("file:///a")[1]), json::parse("[[0, 6, 9]]"));
    EXPECT_EQ(host.files.count(kPersonal), 0u);

    // exit without shutdown, or the input's end, is status 1; the end after shutdown is 0.
    EXPECT_EQ(Serve(Initialize() + Notification("exit")), 1);
    EXPECT_EQ(Serve(Initialize()), 1);
    EXPECT_NE(err.str().find("before the client shut the server down"), std::string::npos);
    EXPECT_EQ(Serve(Initialize() + Request(7, "shutdown")), 0);
}

TEST_F(LanguageServerTest, BadFramingStopsTheServerWithAMessageAndNothingButProtocolIsWritten) {
    struct Case {
        std::string input, told;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        EXPECT_EQ(Serve(Initialize() + c.input), 1) << c.told;
        EXPECT_NE(err.str().find(c.told), std::string::npos) << err.str();
        ASSERT_EQ(sent.size(), 1u) << c.told;
        EXPECT_EQ(sent[0]["id"], 0) << c.told;
    }
    // Header names are read without regard to case, and other headers are passed over.
    const std::string body = R"({"jsonrpc": "2.0", "id": 1, "method": "initialize", "params": {}})";
    EXPECT_EQ(Serve("content-length: " + std::to_string(body.size()) +
                    "\r\nContent-Type: application/vscode-jsonrpc; charset=utf-8\r\n\r\n" + body + kShutdownAndExit),
              0);
    EXPECT_EQ(Answer(1)["result"]["serverInfo"]["name"], "morvane-check");
}

TEST_F(LanguageServerTest, RangesCountInTheNegotiatedEncodingWhateverPrecedesTheWordAndEndsTheLine) {
    // Accented letters, emoji, a tab, characters at the edges of each length in UTF-8 and
    // UTF-16, and every line end before the flagged words.
    const std::vector<std::string> lines = {"na\xC3\xAFve \xF0\x9F\x98\x80\tbda xyz", "caf\xC3\xA9 bda",
                                            "\xF0\x9F\x98\x80\xF0\x9F\x98\x80 bda",
                                            "\t\xC2\x80\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xF0\x90\x80\x80"
                                            "\xF4\x8F\xBF\xBF xyz"};
    const std::string text = lines[0] + "\r\n" + lines[1] + "\r" + lines[2] + "\n" + lines[3];
    struct Case {
        json capabilities;
        bool utf8;
    };
    const Case cases[] = {
        {{{"general", {{"positionEncodings", {"utf-16", "utf-8"}}}}}, true},
        {{{"offsetEncoding", {"utf-8", "utf-16"}}}, true},
        {json::object(), false},
    };
    // Then "bda" on the second line corrected, and "xyz" typed after the emoji on the third.
    std::vector<std::string> editedLines = lines;
    editedLines[1].replace(editedLines[1].find("bda"), 3, "bad");
    editedLines[2].insert(8, "xyz ");
    for (const Case& c : cases) {
        // Where a place on a line falls in the encoding: bytes, or the UTF-16 units they decode to.
        auto column = [&](const std::string& line, std::size_t byte) {
            return c.utf8 ? byte : Utf8ToUtf16(line.substr(0, byte)).size();
        };
        auto flagged = [&](const std::vector<std::string>& textLines) {
            json ranges = json::array();
            for (std::size_t line = 0; line < textLines.size(); ++line) {
                const std::string& t = textLines[line];
                for (std::size_t at = 0; (at = t.find_first_of("bx", at)) != std::string::npos; ++at) {
                    if (t.compare(at, 3, "bda") == 0 || t.compare(at, 3, "xyz") == 0) {
                        ranges.push_back({line, column(t, at), column(t, at + 3)});
                    }
                }
            }
            return ranges;
        };
        const std::size_t bda = lines[1].find("bda");
        EXPECT_EQ(Serve(Initialize(c.capabilities) + Open("file:///t", text) +
                        Change("file:///t", 2, Range(1, column(lines[1], bda), column(lines[1], bda + 3)), "bad") +
                        Change("file:///t", 3, Range(2, column(lines[2], 8), column(lines[2], 8)), "xyz ") +
                        kShutdownAndExit),
                  0);
        EXPECT_EQ(Answer(0)["result"].value("offsetEncoding", "none"),
                  c.capabilities.contains("offsetEncoding") ? "utf-8" : "none");
        const std::vector<json> published = Published("file:///t");
        ASSERT_EQ(published.size(), 3u);
        EXPECT_EQ(Ranges(published[0]), flagged(lines)) << c.capabilities;
        EXPECT_EQ(Ranges(published[2]), flagged(editedLines)) << c.capabilities;
        EXPECT_EQ(published[0][0]["message"], "Unknown word 'bda'");
        EXPECT_EQ(published[0][0]["source"], "morvane");
        EXPECT_EQ(published[0][0]["severity"], 3);
    }
}

TEST_F(LanguageServerTest, MarkdownIsCheckedWithoutItsCodeAddressesAndTags) {
    // Each line: the text, and the words flagged on it. "bda" is everywhere; it counts only in prose.
    const std::vector<std::pair<std::string, std::vector<std::string>>> lines = {
        {"# Heading xyz", {"xyz"}},
        {"    bda after a heading is code", {}},
        {"The `bda` and ``a ` bda`` then xyz, a lone ` and qqq", {"xyz", "qqq"}},
        {"    still the paragraph: zzz", {"zzz"}},
        {"", {}},
        {"```bda", {}},
        {"bda in a fence", {}},
        {"~~~ not the end", {}},
        {"    ```", {}},  // indented four: not the end either
        {"```", {}},
        {"[link text xyz](https://bda.example/bda \"title qqq\") <b class=bda>zzz</b> <!-- bda -->",
         {"xyz", "qqq", "zzz"}},
        {"see http://bda.example/x, www.bda.org and <https://bda.org> or <me@bda.org>", {}},
        {"[link]: bda/ref.html", {}},
        {"a [link](bda.html) and [link](<bda and bda.md> \"qqq\")", {"qqq"}},
        {"", {}},
        {"\tbda in an indented block", {}},
        {"    ``` in the block, not a fence", {}},
        {"https://bda.example/x is a link to xyz", {"xyz"}},
    };
    std::string text;
    json expected = json::array(), plain = json::array();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i].first + "\n";
        for (const std::string& word : lines[i].second) {
            const std::size_t at = lines[i].first.find(word);
            expected.push_back({i, at, at + word.size()});
        }
    }
    EXPECT_EQ(Serve(Initialize() + Open("file:///n.md", text, "markdown") + Open("file:///n.txt", text, "text") +
                    kShutdownAndExit),
              0);
    EXPECT_EQ(Ranges(Published("file:///n.md").at(0)), expected);
    EXPECT_GT(Published("file:///n.txt").at(0).size(), expected.size() + 10) << "plain text is checked whole";
}

// The model of the text in the test: its lines' starts, found the plain way.
std::vector<std::size_t> LineStarts(const std::u16string& text) {
    std::vector<std::size_t> starts = {0};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        if (text[i] == u'\n' || text[i] == u'\r') starts.push_back(i + 1);
    }
    return starts;
}

TEST_F(LanguageServerTest, IncrementalChangesFindWhatCheckingTheWholeNewTextFinds) {
    const std::vector<std::u16string> pieces = {u"```\n", u"~~~~", u"bda ", u"hello ", u"`", u"    ", u"\r", u"\n",
                                                u"\r\n", u"na\u00EFve", u"\U0001F600", u"[bda](xyz)", u"<b>", u"www.x ",
                                                u"# ", u"xyz", u""};
    std::mt19937 random(19);
    std::u16string text = u"intro xyz\n```\nbda\n```\n    bda\nend bda\n";
    std::string input = Initialize() + Open("file:///edited.md", Utf16ToUtf8(text), "markdown");
    const int kEdits = 300;
    for (int edit = 0; edit < kEdits; ++edit) {
        // A place on a line's text (a line end cannot be named), never inside a surrogate pair.
        auto place = [&](std::size_t& line, std::size_t& character) {
            const std::vector<std::size_t> starts = LineStarts(text);
            line = random() % starts.size();
            std::size_t end = line + 1 < starts.size() ? starts[line + 1] : text.size();
            while (end > starts[line] && (text[end - 1] == u'\n' || text[end - 1] == u'\r')) --end;
            character = random() % (end - starts[line] + 1);
            if (character > 0 && (text[starts[line] + character - 1] & 0xFC00) == 0xD800) --character;
            return starts[line] + character;
        };
        std::size_t line1, char1, line2, char2;
        std::size_t from = place(line1, char1), to = place(line2, char2);
        if (to < from) {
            std::swap(from, to);
            std::swap(line1, line2);
            std::swap(char1, char2);
        }
        if (to - from > 40) {  // mostly small edits, as typing makes them
            to = from;
            line2 = line1;
            char2 = char1;
        }
        const std::u16string piece = pieces[random() % pieces.size()];
        text.replace(from, to - from, piece);
        input += Notification("textDocument/didChange",
                              {{"textDocument", {{"uri", "file:///edited.md"}, {"version", edit + 2}}},
                               {"contentChanges", {{{"range", {{"start", {{"line", line1}, {"character", char1}}},
                                                               {"end", {{"line", line2}, {"character", char2}}}}},
                                                    {"text", Utf16ToUtf8(piece)}}}}});
        input += Open("file:///fresh" + std::to_string(edit), Utf16ToUtf8(text), "markdown");
    }
    ASSERT_EQ(Serve(input + kShutdownAndExit), 0);
    const std::vector<json> edited = Published("file:///edited.md");
    ASSERT_EQ(edited.size(), kEdits + 1u);
    for (int edit = 0; edit < kEdits; ++edit) {
        ASSERT_EQ(Ranges(edited[edit + 1]), Ranges(Published("file:///fresh" + std::to_string(edit)).at(0)))
            << "after edit " << edit;
    }
}

TEST_F(LanguageServerTest, CodeActionsOfferTheWindowsListAndThePersonalWordList) {
    // The cursor at the start of a word here, at its end below: both are on the word.
    const std::string actionsAtBda =
        Request(1, "textDocument/codeAction", {{"textDocument", {{"uri", "file:///a"}}}, {"range", Range(0, 4, 4)},
                                               {"context", {{"diagnostics", json::array()}}}});
    const std::string commands =
        Request(2, "workspace/executeCommand", {{"command", "morvane.addWord"}, {"arguments", {"bda"}}}) +
        Request(3, "workspace/executeCommand", {{"command", "morvane.ignoreWord"}, {"arguments", {"xyz"}}});
    EXPECT_EQ(Serve(Initialize({}, {{"maxSuggestions", 2}, {"severity", "warning"}}) + Open("file:///a", "xyz bda") +
                    Open("file:///b", "bda, xyz and qqq") + actionsAtBda + commands +
                    Notification("textDocument/didClose", {{"textDocument", {{"uri", "file:///b"}}}}) +
                    kShutdownAndExit),
              0);
    json titles = json::array(), fixes = json::array();
    const json actions = Answer(1)["result"];
    for (const json& action : actions) {
        titles.push_back(action["title"]);
        if (!action.contains("edit")) continue;
        const json& edit = action["edit"]["changes"]["file:///a"][0];
        EXPECT_EQ(edit["range"], Range(0, 4, 7));
        fixes.push_back(edit["newText"]);
    }
    const CheckResult window = CheckWord(u"bda", testing::MakeWordList(kEntries), 2);
    json expectedFixes = json::array();
    for (const std::u16string& entry : window.entries) expectedFixes.push_back(Utf16ToUtf8(entry));
    EXPECT_EQ(fixes, expectedFixes);
    EXPECT_EQ(titles, json({"Replace with 'bad'", "Replace with 'bed'", "Add 'bda' to the personal word list",
                            "Ignore 'bda' in this session"}));
    EXPECT_EQ(Published("file:///a").at(0)[0]["severity"], 2);

    // Adding saves the list and refreshes every open document; ignoring saves nothing.
    EXPECT_EQ(host.files[kPersonal], "bda\n");
    EXPECT_EQ(Answer(2), json({{"jsonrpc", "2.0"}, {"id", 2}, {"result", nullptr}}));
    const json expectedB = {json::array({{0, 0, 3}, {0, 5, 8}, {0, 13, 16}}), json::array({{0, 5, 8}, {0, 13, 16}}),
                            json::array({{0, 13, 16}}), json::array()};
    json seenB = json::array();
    for (const json& published : Published("file:///b")) seenB.push_back(Ranges(published));
    EXPECT_EQ(seenB, expectedB) << "opened, added, ignored, closed";
    EXPECT_EQ(Ranges(Published("file:///a").back()), json::array());

    // A word with no suggestions gets only the list's actions; a failed save is told.
    saveFails = true;
    EXPECT_EQ(Serve(Initialize() + Open("file:///a", "xyz") +
                    Request(1, "textDocument/codeAction", {{"textDocument", {{"uri", "file:///a"}}},
                                                           {"range", Range(0, 3, 3)}}) +
                    Request(2, "workspace/executeCommand", {{"command", "morvane.addWord"}, {"arguments", {"xyz"}}}) +
                    kShutdownAndExit),
              0);
    EXPECT_EQ(Answer(1)["result"].size(), 2u);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_NE(Shown()[0].find("the disk is full"), std::string::npos);
    EXPECT_EQ(Ranges(Published("file:///a").back()), json::array()) << "found for the rest of the session";
}

TEST_F(LanguageServerTest, SettingsChangeTheCheckAndABadValueIsToldAndIgnored) {
    host.files[u"/elsewhere/words"] = "xyz\n";
    host.unreadable[u"/locked/words"] = u"access denied";
    host.files[u"/elsewhere/dictionary"] = testing::JoinedBytes({u"bda"});
    const auto configure = [](json settings) {
        return Notification("workspace/didChangeConfiguration", {{"settings", settings}});
    };
    EXPECT_EQ(Serve(Initialize({}, {{"maxSuggestions", "ten"}, {"dictionary", 42}}) + Open("file:///a", "bda xyz") +
                    configure({{"morvane", {{"severity", "loud"}, {"dictionary", "/nowhere"}}}}) +
                    configure({{"personalWordList", "/elsewhere/words"}, {"severity", 1}}) +
                    configure({{"maxSuggestions", 40000}, {"personalWordList", "/locked/words"}}) +
                    configure({{"dictionary", "/elsewhere/dictionary"}, {"maxSuggestions", 0}}) +
                    configure({{"personalWordList", "/new/words"}}) + configure({{"severity", 4}}) +
                    kShutdownAndExit),
              0);
    EXPECT_EQ(Shown().size(), 6u);
    for (const char* told : {"maxSuggestions must be a whole number", "dictionary must be the path", "severity must be",
                             "could not load the dictionary /nowhere", "list /locked/words: access denied"}) {
        bool found = false;
        for (const std::string& text : Shown()) found = found || text.find(told) != std::string::npos;
        EXPECT_TRUE(found) << told;
    }
    json seen = json::array();
    for (const json& published : Published("file:///a")) {
        seen.push_back({Ranges(published), published.empty() ? json(0) : published[0]["severity"]});
    }
    // Opened; the personal list and severity; the new dictionary knows "bda"; a personal list
    // that is not there yet is an empty one; the severity alone.
    EXPECT_EQ(seen, json::parse("[[[[0, 0, 3], [0, 4, 7]], 3], [[[0, 0, 3]], 1], [[], 0], [[[0, 4, 7]], 1], "
                                "[[[0, 4, 7]], 4]]"));
}

}  // namespace
}  // namespace morvane
