#pragma once
// The personal word list of the pipe and list modes: words the user added, kept in a UTF-8
// text file (one word a line), and words accepted for one session only. Both count as found,
// case ignored.
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace morvane {

class PersonalWords {
public:
    // The file's words: one a line, LF or CR LF, blank lines skipped.
    void LoadFileText(std::string_view utf8);
    // The file's new content: the saved words, in the order they were added.
    std::string FileText() const;

    void Add(std::u16string_view word);               // saved by the next save
    void AcceptForSession(std::u16string_view word);  // never saved
    bool Contains(std::u16string_view word) const;
    bool Empty() const { return known_.empty(); }

private:
    std::vector<std::u16string> saved_;
    std::unordered_set<std::u16string> known_;  // lower-cased, saved and session words
};

// The word lower-cased with the engine's case mapping.
std::u16string LowerCased(std::u16string_view word);

}  // namespace morvane
