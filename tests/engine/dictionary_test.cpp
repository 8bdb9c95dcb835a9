// Loading the dictionary file through a host that tests control.
#include <gtest/gtest.h>

#include "engine/dictionary.h"
#include "engine/spelling.h"
#include "fake_dictionary_host.h"

namespace morvane {
namespace {

using testing::FakeHost;

const std::u16string kPath = u"C:\\Morvane\\Morvane.dictionary";

TEST(DictionaryTest, MissingFileIsReportedAndKeepsTheLastList) {
    FakeHost host;
    Dictionary dictionary;
    host.files[kPath] = "apple\r\nbanana";
    dictionary.LoadDictionary(kPath, host);
    EXPECT_FALSE(dictionary.DictionaryMissing());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(dictionary.Words().Count(), 2);

    host.files.clear();
    dictionary.LoadDictionary(kPath, host);
    EXPECT_TRUE(dictionary.DictionaryMissing());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              u"The .dictionary file is missing.  Please rerun the program installation and select repair to correct "
              u"this missing file");
    EXPECT_EQ(host.messages[0].title, u"Program functioning completely impaired!");
    EXPECT_EQ(host.messages[0].style, 16);
    EXPECT_TRUE(IsInDictionary(dictionary.Words(), u"banana"));

    host.files[kPath] = "";
    dictionary.LoadDictionary(kPath, host);
    EXPECT_FALSE(dictionary.DictionaryMissing());
    EXPECT_EQ(dictionary.Words().Count(), 0);
}

TEST(DictionaryTest, UnreadableFileNamesTheFileAndReasonAndCountsAsMissing) {
    FakeHost host;
    Dictionary dictionary;
    host.files[kPath] = "apple";
    dictionary.LoadDictionary(kPath, host);
    host.files.clear();
    host.unreadable[kPath] = u"Access is denied.";
    dictionary.LoadDictionary(kPath, host);
    EXPECT_TRUE(dictionary.DictionaryMissing());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find(kPath), std::u16string::npos);
    EXPECT_NE(host.messages[0].text.find(u"Access is denied."), std::u16string::npos);
    EXPECT_EQ(host.messages[0].style, 16);
    EXPECT_TRUE(IsInDictionary(dictionary.Words(), u"apple"));
}

}  // namespace
}  // namespace morvane
