// morvane-check as scripts and editors see it: arguments, standard input, output lines and
// exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "engine_fixtures.h"
#include "check/check_command.h"

namespace morvane {
namespace {

const std::u16string kDir = u"/opt/morvane";
const std::u16string kDictionary = u"/opt/morvane/Morvane.dictionary";
const std::u16string kSettings = u"/opt/morvane/Settings.ini";
const std::u16string kPersonal = u"/home/me/personal-words";
const std::string kBanner = "@(#) International Ispell Version 3.1.20 (but really Morvane 1.0.0)\n";

class CheckCommandTest : public ::testing::Test {
protected:
    CheckCommandTest() {
        host.files[kDictionary] = "bad\r\nbed\r\nbid\r\ncaf\xE9\r\nco-op\r\ndon't\r\nhello\r\nreceive";
    }

    int Run(std::vector<std::u16string> args, const std::string& input = "") {
        in.clear();
        in.str(input);
        auto replace = [this](const std::u16string& path, std::string_view bytes) -> std::u16string {
            host.files[path] = bytes;
            return {};
        };
        CheckCommandContext context{host, kDir, u'/', in, out, err, kPersonal, replace};
        return RunCheckCommand(args, context);
    }

    testing::FakeHost host;
    std::istringstream in;
    std::ostringstream out, err;
};

TEST_F(CheckCommandTest, WordsFromArgumentsOrLinesGetOneLineEachAndTheStatusSaysIfAllWereFound) {
    struct Case {
        const char* what;
        std::vector<std::u16string> args;
        std::string input;
        int status;
        std::string output;
    };
    const Case cases[] = {
        {"JSON, in order; text outside the alphabet and blank text",
         {u"--json", u"Hello", u"bda", u"xyz", u"two words", u"  "}, "", 1,
         "{\"word\":\"Hello\",\"found\":true,\"entries\":[\"Hello\"]}\n"
         "{\"word\":\"bda\",\"found\":false,\"entries\":[\"bad\",\"bed\",\"bid\"]}\n"
         "{\"word\":\"xyz\",\"found\":false,\"entries\":[\"Word Not Found\",\"No Suggestions :(\"]}\n"
         "{\"word\":\"two words\",\"found\":true,\"entries\":[\"two words\"]}\n"
         "{\"word\":\"  \",\"found\":true,\"entries\":null}\n"},
        // The last character is dropped as a stray one, the entry comes back from Windows-1252,
        // and a lone surrogate (a Windows command line can hold one) becomes U+FFFD.
        {"JSON is UTF-8 with escapes", {u"--json", u"CAF\u00C9", u"a\"b\\c\td\n\r\u0001\xD800\U00010000z"}, "", 1,
         "{\"word\":\"CAF\xC3\x89\",\"found\":false,\"entries\":[\"caf\xC3\xA9\"]}\n"
         "{\"word\":\"a\\\"b\\\\c\\td\\n\\r\\u0001\xEF\xBF\xBD\xF0\x90\x80\x80z\",\"found\":true,\"entries\":"
         "[\"a\\\"b\\\\c\\td\\n\\r\\u0001\xEF\xBF\xBD\xF0\x90\x80\x80z\"]}\n"},
        {"standard input, a line a word, UTF-8 of every length", {u"--json", u"--max", u"1"},
         "hello\r\nna\xC3\xAFve \xE2\x82\xAC\xF0\x9F\x98\x80\nbda\n\n cat \nreceive", 1,
         "{\"word\":\"hello\",\"found\":true,\"entries\":[\"hello\"]}\n"
         "{\"word\":\"na\xC3\xAFve \xE2\x82\xAC\xF0\x9F\x98\x80\",\"found\":true,\"entries\":"
         "[\"na\xC3\xAFve \xE2\x82\xAC\xF0\x9F\x98\x80\"]}\n"
         "{\"word\":\"bda\",\"found\":false,\"entries\":[\"bad\"]}\n"
         "{\"word\":\"\",\"found\":true,\"entries\":null}\n"
         "{\"word\":\" cat \",\"found\":true,\"entries\":[\" cat \"]}\n"
         "{\"word\":\"receive\",\"found\":true,\"entries\":[\"receive\"]}\n"},
        {"readable lines; 0 when all were found", {u"hello", u"receive.", u"--max", u"32767"}, "", 0,
         "hello: found\nreceive.: found\n"},
        {"readable lines; 1 when one was not", {u"bda", u"x-y", u"  "}, "", 1,
         "bda: not found; suggestions: bad, bed, bid\nx-y: not found, no suggestions\n  : blank, nothing to check\n"},
        {"words that look like options", {u"--dictionary=/tmp/words", u"-ing", u"--", u"--json"}, "", 0,
         "-ing: found\n--json: found\n"},
    };
    host.files[u"/tmp/words"] = "--json\r\n-ing";
    for (const Case& c : cases) {
        out.str("");
        EXPECT_EQ(Run(c.args, c.input), c.status) << c.what;
        EXPECT_EQ(out.str(), c.output) << c.what;
    }
    EXPECT_EQ(err.str(), "");
}

TEST_F(CheckCommandTest, TakesTheLimitFromSettingsBesideTheProgram) {
    host.files[kSettings] = "[Other]\r\nMaxSuggestions=0\r\n[Options]\r\nMaxSuggestions = 2\r\n";
    EXPECT_EQ(Run({u"--json", u"bda"}), 1);
    EXPECT_EQ(out.str(), "{\"word\":\"bda\",\"found\":false,\"entries\":[\"bad\",\"bed\"]}\n");

    out.str("");
    host.files[kSettings] = "[Options]\r\nMaxSuggestions=lots\r\n";
    EXPECT_EQ(Run({u"--json", u"bda"}), 1);
    EXPECT_EQ(out.str(), "{\"word\":\"bda\",\"found\":false,\"entries\":[\"bad\",\"bed\",\"bid\"]}\n");
    EXPECT_NE(err.str().find("\"lots\""), std::string::npos);

    out.str("");
    EXPECT_EQ(Run({u"--max=0", u"--json", u"bda"}), 1);  // the option wins over the file
    EXPECT_EQ(out.str(), "{\"word\":\"bda\",\"found\":false,\"entries\":[\"Word Not Found\",\"No Suggestions :(\"]}\n");
}

TEST_F(CheckCommandTest, UsageFileAndOutputErrorsExitTwoWithAMessage) {
    for (const auto& args : std::vector<std::vector<std::u16string>>{
             {u"--max", u"-1"}, {u"--max", u"32768"}, {u"--max", u"ten"}, {u"--max"}, {u"--colour"}, {u"--dictionary"},
             {u"-a", u"-x"}, {u"-l", u"word"}, {u"-a", u"--encoding=latin1"}, {u"-a", u"-d"}, {u"-l", u"-W"}}) {
        err.str("");
        EXPECT_EQ(Run(args), 2);
        EXPECT_FALSE(err.str().empty());
    }
    EXPECT_EQ(Run({u"--dictionary", u"/nowhere/words", u"hello"}), 2);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().title, u"Program functioning completely impaired!");
    EXPECT_EQ(out.str(), "");

    out.setstate(std::ios::badbit);  // standard output closed, or the disk full
    EXPECT_EQ(Run({u"hello"}), 2);
    EXPECT_NE(err.str().find("could not write the results"), std::string::npos);
    out.clear();

    EXPECT_EQ(Run({u"--help", u"bda"}), 0);
    EXPECT_EQ(out.str().rfind("Usage: morvane-check [--dictionary FILE] [--max N] [--json] [WORD ...]\n", 0), 0u);
}

TEST_F(CheckCommandTest, PipeModeAnswersEachLineAsEditorsExpectAndTakesTheirFlags) {
    struct Case {
        const char* what;
        std::string input, output;
        std::vector<std::u16string> args = {u"-a"};
    };
    const Case cases[] = {
        {"found, suggestions, none; offsets count the ^", "^hello bda xyz\n",
         "*\n& bda 3 7: bad, bed, bid\n# xyz 11\n\n"},
        {"a line without ^ is text too, offsets from its start", "bda hello\r\n", "& bda 3 0: bad, bed, bid\n*\n\n"},
        {"characters before a word, a surrogate pair as one; accented words found whole",
         "^\xCE\xBB\xCF\x8C caf\xC3\xA9 \xF0\x9F\x98\x80 bda\n", "*\n*\n& bda 3 11: bad, bed, bid\n\n"},
        {"bytes that are not UTF-8 count as the characters that replace them", "^\xFF\xFE\xE2\x82xyz\n",
         "# xyz 4\n\n"},
        {"terse mode prints only what is not found", "!\n^hello bda\n%\n^hello\n", "& bda 3 7: bad, bed, bid\n\n*\n\n"},
        {"an empty line, and the modes that change nothing", "\n+tex\n-\n~html\n^bed\n", "\n*\n\n"},
        {"personal and session words count as found, case ignored",
         "*Zork\n&PLUGH\n@xyzzy\n^zork Plugh XYZZY\n", "*\n*\n*\n\n"},
        {"the flags editors pass are accepted", "bda\n", "& bda 3 0: bad, bed, bid\n\n",
         {u"-a", u"-m", u"-B", u"-C", u"-S", u"-t", u"-n", u"-H", u"-o", u"-W", u"3", u"-w", u"'", u"-T", u"latin1",
          u"--encoding=utf-8", u"-d", kDictionary, u"-p", u"/nowhere/words"}},
        {"the version", "", "", {u"-vv"}},
    };
    for (const Case& c : cases) {
        out.str("");
        EXPECT_EQ(Run(c.args, c.input), 0) << c.what;
        EXPECT_EQ(out.str(), kBanner + c.output) << c.what;
    }
    EXPECT_EQ(host.files.count(kPersonal), 0u) << "saved only when asked";
}

TEST_F(CheckCommandTest, PersonalWordsAreSavedOnRequestAndFoundInTheNextSession) {
    host.files[kPersonal] = "Frob\r\n\nzork\n";
    EXPECT_EQ(Run({u"-a"}, "*Quux\n&PLUGH\n*zork\n@xyzzy\n#\n"), 0);
    EXPECT_EQ(host.files[kPersonal], "Frob\nzork\nQuux\nplugh\n");

    out.str("");
    EXPECT_EQ(Run({u"-l"}, "frob QUUX plugh xyzzy\nbda zork\n"), 0);
    EXPECT_EQ(out.str(), "xyzzy\nbda\n");

    host.unreadable[u"/elsewhere/words"] = u"access denied";
    EXPECT_EQ(Run({u"-l", u"-p", u"/elsewhere/words"}), 2);
    EXPECT_NE(err.str().find("access denied"), std::string::npos);
}

TEST_F(CheckCommandTest, ListModeAndLongLines) {
    EXPECT_EQ(Run({u"-l", u"--max", u"0"}, "hello bda\nxyz don't bda\n\xFFqq"), 0);
    EXPECT_EQ(out.str(), "bda\nxyz\nbda\nqq\n");

    std::string line = "^";
    for (int i = 0; i < 100000; ++i) line += "bda hello ";  // 1 MB
    out.str("");
    EXPECT_EQ(Run({u"-a", u"-d", kDictionary, u"--max=1"}, line + "\n^xyz\n"), 0);
    const std::string text = out.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 200000 + 1 + 2);
    EXPECT_NE(text.find("& bda 1 999991: bad\n*\n\n# xyz 1\n\n"), std::string::npos);
}

}  // namespace
}  // namespace morvane
