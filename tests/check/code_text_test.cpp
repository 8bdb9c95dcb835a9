// Source code's prose: the words of comments and strings, by each language's markers, and
// identifiers split into their words.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "check/code_words.h"
#include "check/lsp/checked_document.h"
#include "engine/utf8.h"

namespace morvane {
namespace {

// The words MaskLine keeps of a text, line by line, joined by bars; every masked line must be
// its line with some characters made spaces.
std::string KeptWords(std::string_view languageId, std::string_view text) {
    const TextRules rules = RulesOfLanguage(languageId);
    EXPECT_EQ(rules.kind, TextKind::Code) << languageId;
    std::string words;
    BlockState state;
    const std::u16string all = Utf8ToUtf16(text);
    for (std::size_t start = 0; start <= all.size();) {
        const std::size_t end = std::min(all.find(u'\n', start), all.size());
        const std::u16string line = all.substr(start, end - start);
        std::u16string masked = line;
        state = MaskLine(rules, state, masked);
        for (std::size_t i = 0; i < line.size() && masked.size() == line.size(); ++i) {
            EXPECT_TRUE(masked[i] == line[i] || masked[i] == u' ') << Utf16ToUtf8(line) << " at " << i;
        }
        EXPECT_EQ(masked.size(), line.size()) << Utf16ToUtf8(line);
        ForEachWord(masked, [&](std::u16string_view word) { words += (words.empty() ? "" : "|") + Utf16ToUtf8(word); });
        start = end + 1;
    }
    return words;
}

TEST(CodeTextTest, OnlyTheWordsOfCommentsAndStringsAreKept) {
    const struct {
        const char* language;
        const char* text;
        const char* words;
    } cases[] = {
        {"cpp",
         "if (c == '\\\"' || c == '\\'') call(\"alpha\\nbeta\"); // gamma 'delta https://bad.example/x\n"
         "/* epsilon \"zeta\n"
         "eta */ code_word; R\"x(theta)\" )x\" iota R\"ddddddddddddddddd(mu)\"\n"
         "#include \"kappa.h\"",
         "alpha|beta|gamma|delta|epsilon|zeta|eta|theta|ddddddddddddddddd|mu"},
        {"python",
         "x = r'\\nlambda' + U'\\u00e9cafe\\x41tau' + f\"mu {nu}\" # xi \"omicron\"\n"
         "def f():\n"
         "    \"\"\"pi\n"
         "    rho\"\"\" + 'sigma' + \"\\N{BULLET}chi\"",
         "nlambda|cafe|tau|mu|nu|xi|omicron|pi|rho|sigma|chi"},
        {"javascript", "const s = `upsilon ${phi + {chi}} psi\nomega` + 'a\\'b' // end", "upsilon|psi|omega|a|b|end"},
        {"go", "import \"fmt\"\ns := `alpha\nbeta` + 'c' // gamma", "alpha|beta|gamma"},
        {"rust", "let s = br#\"alpha \"beta\"#; fn f<'a>(x: &'a str) /* gamma /* delta */ epsilon */ 'z'",
         "alpha|beta|gamma|delta|epsilon"},
        {"csharp", "var s = @\"alpha\\nbeta \"\"gamma\"\"\ndelta\"; char q = '\"';", "alpha|nbeta|gamma|delta"},
        {"java", "String s = \"\"\"\n    alpha \"beta\"\n    \"\"\"; // gamma", "alpha|beta|gamma"},
        {"lua", "--[==[ alpha ]] beta ]==] x = [[gamma\ndelta]] .. \"eps\" -- zeta", "alpha|beta|gamma|delta|eps|zeta"},
        {"ruby", "=begin\nalpha\n=end\nputs \"beta\" # gamma", "alpha|beta|gamma"},
        {"sh", "#!/usr/bin/env bash\necho $# ${#arr} \"alpha\" 'beta\\' x=a#b # gamma\nwait&# delta",
         "alpha|beta|gamma|delta"},
        {"sql", "SELECT 'it''s alpha' -- beta\n/* gamma */ \"delta\"", "it|s|alpha|beta|gamma"},
        {"html",
         "<p class=\"alpha\">beta &amp; <b>gamma</b><!-- delta\nepsilon --></p><a\nhref=\"x\">zeta</a>\n"
         "<script>var eta;</script><style>p {}</style>theta",
         "beta|gamma|delta|epsilon|zeta|theta"},
        {"yaml", "key: \"alpha\" # beta\nurl: x#y 'it''s'", "alpha|beta|it|s"},
        {"toml", "a = \"\"\"\nalpha\"\"\"\nb = '''beta\\n\ngamma''' # delta", "alpha|beta|n|gamma|delta"},
        {"haskell", "{- alpha {- beta -} gamma -} f x' = \"delta\" -- eps", "alpha|beta|gamma|delta|eps"},
        {"powershell", "<# alpha\n#> \"beta`ngamma\" # delta", "alpha|beta|gamma|delta"},
    };
    for (const auto& c : cases) EXPECT_EQ(KeptWords(c.language, c.text), c.words) << c.language;
}

TEST(CodeTextTest, EditorsSpellingsOfALanguageFindItsRow) {
    const struct {
        const char* id;
        const char* as;
    } same[] = {{"c++", "cpp"}, {"python-ts", "python"}, {"js", "javascript"}, {"typescriptreact", "javascript"},
                {"sh", "shellscript"}, {"bash-ts-mode", "shellscript"}, {"Python", "python"}, {"nxml", "xml"}};
    for (const auto& s : same) {
        EXPECT_TRUE(CodeSyntaxOfLanguage(s.id) != nullptr && CodeSyntaxOfLanguage(s.id) == CodeSyntaxOfLanguage(s.as))
            << s.id;
    }
    for (const char* prose : {"markdown", "plaintext", "latex", "", "-ts"}) {
        EXPECT_EQ(CodeSyntaxOfLanguage(prose), nullptr) << prose;
    }
}

bool IsKnown(std::u16string_view word) {
    static const std::set<std::string> known = {"receive", "data", "http", "server", "response", "code",
                                                "ids",     "found", "urls", "iphone", "get",     "the"};
    std::string lower = Utf16ToUtf8(word);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return known.count(lower) != 0;
}

TEST(CodeTextTest, IdentifiersAreCheckedPartByPartInCodeOnly) {
    std::string words;
    ForEachCheckedCodeWord(u"recieveData recieve_data getHTTPResponseCode IDsFound URLs iPhone xmlHTTPRequest",
                           IsKnown, [&](std::u16string_view word, bool found) {
                               words += (words.empty() ? "" : "|") + (found ? Utf16ToUtf8(word)
                                                                            : "[" + Utf16ToUtf8(word) + "]");
                           });
    EXPECT_EQ(words, "[recieve]|Data|[recieve]|data|get|HTTP|Response|Code|IDs|Found|URLs|iPhone|[xml]|HTTP|[Request]");

    const std::u16string text = u"# the recieveData\nrecieveData = 1";
    auto flagged = [&](const char* language) {
        std::string all;
        const CheckedDocument document(RulesOfLanguage(language), text, IsKnown);
        for (const FlaggedWord& word : document.Flagged()) all += Utf16ToUtf8(document.WordOf(word)) + ";";
        return all;
    };
    EXPECT_EQ(flagged("python"), "recieve;");
    EXPECT_EQ(flagged("markdown"), "recieveData;recieveData;");
}

// A block comment opened and closed by edits: the lines after it change, and re-checking stops
// where a line starts as it did before.
TEST(CodeTextTest, AnEditThatOpensOrClosesABlockReChecksTheLinesItChanges) {
    std::u16string text = u"int a; // xyz\nint b;\nint c;\nint d;\nint e; // xyz";
    CheckedDocument document(RulesOfLanguage("c"), text, IsKnown);
    auto edit = [&](std::size_t line, std::size_t character, std::u16string_view insert) {
        const std::size_t rechecked =
            document.Edit({line, character}, {line, character}, PositionEncoding::Utf16, insert, IsKnown);
        std::size_t at = 0;
        for (std::size_t i = 0; i < line; ++i) at = text.find(u'\n', at) + 1;
        text.insert(at + character, insert);
        EXPECT_EQ(document.Flagged(), CheckedDocument(RulesOfLanguage("c"), text, IsKnown).Flagged())
            << Utf16ToUtf8(text);
        return rechecked;
    };
    EXPECT_EQ(document.Flagged().size(), 2u);
    EXPECT_EQ(edit(1, 6, u" /*"), 4u);  // to the end: each line starts in the comment now
    EXPECT_EQ(document.Flagged().size(), 8u);
    EXPECT_EQ(edit(2, 6, u" */"), 3u);
    EXPECT_EQ(edit(1, 4, u"\""), 2u);  // the comment's marker is in a string now: line 2 is code again
    EXPECT_EQ(document.Flagged().size(), 3u);
}

}  // namespace
}  // namespace morvane
