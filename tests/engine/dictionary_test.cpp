// Loading the dictionary file through a host that tests control.
#include <gtest/gtest.h>

#include "engine/dictionary.h"
#include "engine/spelling.h"
#include "fake_dictionary_host.h"

namespace morvane {
namespace {

TEST(DictionaryTest, MissingOrUnreadableFileIsReportedAndKeepsTheLastList) {
    const std::u16string path = u"C:\\Morvane\\Morvane.dictionary";
    testing::FakeHost host;
    Dictionary dictionary;
    host.files[path] = "apple\r\nbanana";
    dictionary.LoadDictionary(path, host);
    EXPECT_FALSE(dictionary.DictionaryMissing());
    EXPECT_EQ(dictionary.Words().Count(), 2);

    host.files.clear();
    dictionary.LoadDictionary(path, host);
    EXPECT_TRUE(dictionary.DictionaryMissing());
    host.unreadable[path] = u"Access is denied.";
    dictionary.LoadDictionary(path, host);
    EXPECT_TRUE(dictionary.DictionaryMissing());
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text,
              u"The .dictionary file is missing.  Please rerun the program installation and select repair to correct "
              u"this missing file");
    EXPECT_EQ(host.messages[0].title, u"Program functioning completely impaired!");
    EXPECT_EQ(host.messages[1].text, u"The dictionary file \"" + path + u"\" could not be read: Access is denied.");
    EXPECT_EQ(host.messages[1].title, u"Morvane");
    EXPECT_EQ(host.messages[0].style, 16);
    EXPECT_EQ(host.messages[1].style, 16);
    EXPECT_TRUE(IsInDictionary(dictionary.Words(), u"banana"));

    host.unreadable.clear();
    host.files[path] = "";
    dictionary.LoadDictionary(path, host);
    EXPECT_FALSE(dictionary.DictionaryMissing());
    EXPECT_EQ(dictionary.Words().Count(), 0);
}

}  // namespace
}  // namespace morvane
