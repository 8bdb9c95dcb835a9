// The personal word list's file with several writers at once, on the real file system.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "check/personal_words_file.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class PersonalWordsFileTest : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(folder); }

    const fs::path folder = fs::temp_directory_path() /
                            ("morvane-words-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    const fs::path list = folder / "personal-words";
};

TEST_F(PersonalWordsFileTest, ASaveKeepsTheWordsAnotherWriterSavedSinceAndNoneAreLostWhenSavesMeet) {
    // Made with its folder; then another writer's words come first, ours after them.
    ASSERT_EQ(SavePersonalWordsFile(list.u16string(), "Frob\r\nzork\n"), u"");
    ASSERT_EQ(SavePersonalWordsFile(list.u16string(), "Quux\nzork\n"), u"");
    EXPECT_EQ(FileText(list), "Frob\nzork\nQuux\n");

    // Writers saving at once, each its own growing list: every word of every one is kept.
    constexpr int kWriters = 6, kSaves = 8;
    std::vector<std::thread> writers;
    std::vector<std::u16string> failures(kWriters);
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&, w] {
            std::string words;
            for (int s = 0; s < kSaves && failures[w].empty(); ++s) {
                words += "w" + std::to_string(w) + "s" + std::to_string(s) + "\n";
                failures[w] = SavePersonalWordsFile(list.u16string(), words);
            }
        });
    }
    for (std::thread& writer : writers) writer.join();
    for (const std::u16string& failure : failures) EXPECT_EQ(failure, u"");
    const std::string text = FileText(list);
    EXPECT_EQ(text.rfind("Frob\nzork\nQuux\n", 0), 0u);
    for (int w = 0; w < kWriters; ++w) {
        for (int s = 0; s < kSaves; ++s) {
            const std::string word = "\nw" + std::to_string(w) + "s" + std::to_string(s) + "\n";
            EXPECT_NE(text.find(word), std::string::npos) << word.substr(1) << "is lost";
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(list.parent_path()), fs::directory_iterator()), 1)
        << "only the list is left in its folder";

    // A list that cannot be read again is not replaced by one without its words.
    EXPECT_NE(SavePersonalWordsFile(folder.u16string(), "Frob\n").find(u"could not read"), std::u16string::npos);
    EXPECT_EQ(FileText(list), text);
}

}  // namespace
}  // namespace morvane
