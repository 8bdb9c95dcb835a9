// The personal word list's file with several writers at once, on the real file system.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "check/personal_words_file.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

TEST(PersonalWordsFileTest, ASaveKeepsTheWordsOthersSavedSinceAndNoneAreLostWhenSavesMeet) {
    const fs::path folder = fs::temp_directory_path() / "morvane-personal-words-test";
    fs::remove_all(folder);  // what a failed run left
    const std::u16string list = (folder / "personal-words").u16string();
    const auto text = [&] {
        std::ifstream file(folder / "personal-words", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    };
    // The folder is made; then the words on disk come first, ours after them.
    ASSERT_EQ(SavePersonalWordsFile(list, "Frob\r\nzork\n"), u"");
    ASSERT_EQ(SavePersonalWordsFile(list, "Quux\nzork\n"), u"");
    EXPECT_EQ(text(), "Frob\nzork\nQuux\n");

    // Writers saving at once, each its own growing list, lose no word of any other.
    std::vector<std::thread> writers;
    std::u16string failures[6];
    for (int w = 0; w < 6; ++w) {
        writers.emplace_back([&, w] {
            std::string words;
            for (int s = 0; s < 8; ++s) {
                words += "w" + std::to_string(w) + "s" + std::to_string(s) + "\n";
                failures[w] += SavePersonalWordsFile(list, words);
            }
        });
    }
    for (std::thread& writer : writers) writer.join();
    for (const std::u16string& failure : failures) EXPECT_EQ(failure, u"");
    const std::string saved = text();
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 3 + 6 * 8) << "every word once:\n" << saved;
    // A list that cannot be read again is not replaced by one without its words.
    EXPECT_NE(SavePersonalWordsFile(folder.u16string(), "Frob\n").find(u"could not read"), std::u16string::npos);
    EXPECT_EQ(text(), saved);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace morvane
