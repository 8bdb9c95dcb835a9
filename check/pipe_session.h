#pragma once
// The pipe protocol that editors and mail programs speak to a spelling program (the one of
// "ispell -a"), and the list mode beside it. Text arrives as UTF-8 lines; each word of a line
// (text_words.h) is checked as the check window checks a typed word, and personal and session
// words count as found.
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "engine/word_list.h"
#include "personal_words.h"

namespace morvane {

// The first line of the pipe mode, and what -v prints: the form clients parse.
extern const char kPipeVersionLine[];

class PipeSession {
public:
    // Writes the personal list's file text; returns why it failed, or the empty text.
    using SaveList = std::function<std::u16string(std::string_view fileText)>;

    PipeSession(const WordList& words, int limit, PersonalWords& personal, SaveList save, std::ostream& out,
                std::ostream& err);

    // One input line, without its line end: a command, or text to check, whose answer ends
    // with an empty line.
    void HandleLine(std::string_view line);

private:
    void CheckText(std::u16string_view text, std::size_t offsetBase);
    void AnswerNotFound(std::u16string_view word, std::size_t offset);
    void Save();

    const WordList& words_;
    int limit_;
    PersonalWords& personal_;
    SaveList save_;
    std::ostream& out_;
    std::ostream& err_;
    bool terse_ = false;
    std::string answer_;  // the answer to the current line, written whole when it is complete
};

// List mode: every word of the text that is not found, one a line, in the order met.
void ListUnknownWords(std::istream& in, const WordList& words, const PersonalWords& personal, std::ostream& out);

}  // namespace morvane
