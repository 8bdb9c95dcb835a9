// morvane-check as scripts and editors see it: arguments, standard input, output lines and
// exit statuses.
#include <gtest/gtest.h>

#include <sstream>

#include "fake_dictionary_host.h"
#include "check/check_command.h"

namespace morvane {
namespace {

const std::u16string kDir = u"/opt/morvane";
const std::u16string kDictionary = u"/opt/morvane/Morvane.dictionary";
const std::u16string kSettings = u"/opt/morvane/Settings.ini";

class CheckCommandTest : public ::testing::Test {
protected:
    CheckCommandTest() {
        host.files[kDictionary] = "bad\r\nbed\r\nbid\r\ncaf\xE9\r\nhello\r\nreceive";
    }

    int Run(std::vector<std::u16string> args, const std::string& input = "") {
        in.str(input);
        CheckCommandContext context{host, kDir, u'/', in, out, err};
        return RunCheckCommand(args, context);
    }

    testing::FakeHost host;
    std::istringstream in;
    std::ostringstream out, err;
};

TEST_F(CheckCommandTest, PrintsOneJsonLinePerWordInOrder) {
    EXPECT_EQ(Run({u"--json", u"Hello", u"bda", u"xyz", u"two words", u"  "}), 1);
    EXPECT_EQ(out.str(),
              "{\"word\": \"Hello\", \"found\": true, \"entries\": [\"Hello\"]}\n"
              "{\"word\": \"bda\", \"found\": false, \"entries\": [\"bad\", \"bed\", \"bid\"]}\n"
              "{\"word\": \"xyz\", \"found\": false, \"entries\": [\"Word Not Found\", \"No Suggestions :(\"]}\n"
              "{\"word\": \"two words\", \"found\": true, \"entries\": [\"two words\"]}\n"
              "{\"word\": \"  \", \"found\": true, \"entries\": null}\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(CheckCommandTest, JsonIsUtf8WithEscapes) {
    // The last character is dropped as a stray one, and the entry comes back from Windows-1252.
    EXPECT_EQ(Run({u"--json", u"CAF\u00C9", u"a\"b\\c\td"}), 1);
    EXPECT_EQ(out.str(),
              "{\"word\": \"CAF\xC3\x89\", \"found\": false, \"entries\": [\"caf\xC3\xA9\"]}\n"
              "{\"word\": \"a\\\"b\\\\c\\td\", \"found\": true, \"entries\": [\"a\\\"b\\\\c\\td\"]}\n");
}

TEST_F(CheckCommandTest, ReadsStandardInputLineByLine) {
    EXPECT_EQ(Run({u"--json", u"--max", u"1"}, "hello\r\nbda\n\n cat \nreceive"), 1);
    EXPECT_EQ(out.str(),
              "{\"word\": \"hello\", \"found\": true, \"entries\": [\"hello\"]}\n"
              "{\"word\": \"bda\", \"found\": false, \"entries\": [\"bad\"]}\n"
              "{\"word\": \"\", \"found\": true, \"entries\": null}\n"
              "{\"word\": \" cat \", \"found\": true, \"entries\": [\" cat \"]}\n"
              "{\"word\": \"receive\", \"found\": true, \"entries\": [\"receive\"]}\n");
}

TEST_F(CheckCommandTest, ExitsZeroOnlyWhenEveryWordWasFound) {
    EXPECT_EQ(Run({u"hello", u"receive."}), 0);
    EXPECT_EQ(out.str(), "hello: found\nreceive.: found\n");
    out.str("");
    EXPECT_EQ(Run({u"bda", u"xyz"}), 1);
    EXPECT_EQ(out.str(), "bda: not found; suggestions: bad, bed, bid\nxyz: not found, no suggestions\n");
}

TEST_F(CheckCommandTest, TakesTheLimitFromSettingsBesideTheProgram) {
    host.files[kSettings] = "[Other]\r\nMaxSuggestions=0\r\n[Options]\r\nMaxSuggestions = 2\r\n";
    EXPECT_EQ(Run({u"--json", u"bda"}), 1);
    EXPECT_EQ(out.str(), "{\"word\": \"bda\", \"found\": false, \"entries\": [\"bad\", \"bed\"]}\n");

    out.str("");
    host.files[kSettings] = "[Options]\r\nMaxSuggestions=lots\r\n";
    EXPECT_EQ(Run({u"--json", u"bda"}), 1);
    EXPECT_EQ(out.str(), "{\"word\": \"bda\", \"found\": false, \"entries\": [\"bad\", \"bed\", \"bid\"]}\n");
    EXPECT_NE(err.str().find("\"lots\""), std::string::npos);

    out.str("");
    EXPECT_EQ(Run({u"--max=0", u"--json", u"bda"}), 1);  // the option wins over the file
    EXPECT_EQ(out.str(), "{\"word\": \"bda\", \"found\": false, \"entries\": [\"Word Not Found\", \"No Suggestions :(\"]}\n");
}

TEST_F(CheckCommandTest, UsageAndFileErrorsExitTwoWithAMessage) {
    for (const auto& args : std::vector<std::vector<std::u16string>>{
             {u"--max", u"-1"}, {u"--max", u"32768"}, {u"--max", u"ten"}, {u"--max"}, {u"--colour"}, {u"--dictionary"}}) {
        err.str("");
        EXPECT_EQ(Run(args), 2);
        EXPECT_FALSE(err.str().empty());
    }
    EXPECT_EQ(Run({u"--dictionary", u"/nowhere/words", u"hello"}), 2);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().title, u"Program functioning completely impaired!");
    EXPECT_EQ(out.str(), "");
}

TEST_F(CheckCommandTest, AnotherDictionaryAndWordsThatLookLikeOptions) {
    host.files[u"/tmp/words"] = "--json\r\n-ing";
    EXPECT_EQ(Run({u"--dictionary=/tmp/words", u"-ing", u"--", u"--json"}), 0);
    EXPECT_EQ(out.str(), "-ing: found\n--json: found\n");
}

TEST_F(CheckCommandTest, HelpDescribesTheContract) {
    EXPECT_EQ(Run({u"--help"}), 0);
    for (const char* part : {"--dictionary FILE", "--max N", "--json", "Exit status", "standard input"}) {
        EXPECT_NE(out.str().find(part), std::string::npos) << part;
    }
}

}  // namespace
}  // namespace morvane
