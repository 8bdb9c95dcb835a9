#include "pipe_session.h"

#include <charconv>
#include <istream>
#include <ostream>

#include "engine/check_list.h"
#include "engine/spelling.h"
#include "engine/utf8.h"
#include "text_words.h"
#include "word_check.h"

#ifndef MORVANE_VERSION_TEXT
#error "the build defines MORVANE_VERSION_TEXT"
#endif

namespace morvane {

const char kPipeVersionLine[] = "@(#) International Ispell Version 3.1.20 (but really Morvane " MORVANE_VERSION_TEXT ")";

namespace {

// The argument of a one-character command: the rest of the line without surrounding blanks.
std::u16string CommandWord(std::string_view line) {
    line.remove_prefix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = line.find_last_not_of(" \t");
    return Utf8ToUtf16(line.substr(first, last - first + 1));
}

void AppendNumber(std::string& out, std::size_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end);
}

void Write(std::ostream& out, const std::string& text) { out.write(text.data(), static_cast<std::streamsize>(text.size())); }

}  // namespace

PipeSession::PipeSession(const WordList& words, int limit, PersonalWords& personal, SaveList save, std::ostream& out,
                         std::ostream& err)
    : words_(words), limit_(limit), personal_(personal), save_(std::move(save)), out_(out), err_(err) {}

void PipeSession::HandleLine(std::string_view line) {
    switch (line.empty() ? '\0' : line[0]) {
        case '*': personal_.Add(CommandWord(line)); return;
        case '&': personal_.Add(LowerCased(CommandWord(line))); return;
        case '@': personal_.AcceptForSession(CommandWord(line)); return;
        case '#': Save(); return;
        case '!': terse_ = true; return;
        case '%': terse_ = false; return;
        case '+': case '-': case '~': return;  // TeX, nroff and file-type modes: plain text is all there is
        case '^': CheckText(Utf8ToUtf16(line.substr(1)), 1); break;
        default: CheckText(Utf8ToUtf16(line), 0); break;
    }
    answer_ += '\n';
    Write(out_, answer_);
    answer_.clear();
}

void PipeSession::CheckText(std::u16string_view text, std::size_t offsetBase) {
    std::size_t counted = 0;               // code units of text whose characters are counted
    std::size_t characters = offsetBase;  // characters of the line before text[counted]
    const auto isFound = [&](std::u16string_view word) { return IsFoundWord(word, words_, personal_); };
    ForEachCheckedWord(text, isFound, [&](std::u16string_view word, bool found) {
        const auto start = static_cast<std::size_t>(word.data() - text.data());
        characters += CharacterCount(text.substr(counted, start - counted));
        counted = start;
        if (found) {
            if (!terse_) answer_ += "*\n";
        } else {
            AnswerNotFound(word, characters);
        }
    });
}

void PipeSession::AnswerNotFound(std::u16string_view word, std::size_t offset) {
    const CheckResult result = CheckWord(word, words_, limit_);
    const bool none =
        result.entries.size() == 2 && result.entries[0] == kWordNotFound && result.entries[1] == kNoSuggestions;
    answer_ += none ? "# " : "& ";
    AppendUtf8(answer_, word);
    if (!none) {
        answer_ += ' ';
        AppendNumber(answer_, result.entries.size());
    }
    answer_ += ' ';
    AppendNumber(answer_, offset);
    if (!none) {
        answer_ += ':';
        for (std::size_t i = 0; i < result.entries.size(); ++i) {
            answer_ += i ? ", " : " ";
            AppendUtf8(answer_, result.entries[i]);
        }
    }
    answer_ += '\n';
}

void PipeSession::Save() {
    const std::u16string failure = save_(personal_.FileText());
    if (!failure.empty()) err_ << "morvane-check: " << Utf16ToUtf8(failure) << '\n';
}

void ListUnknownWords(std::istream& in, const WordList& words, const PersonalWords& personal, std::ostream& out) {
    std::string line, unknown;
    while (std::getline(in, line)) {
        const auto isFound = [&](std::u16string_view word) { return IsFoundWord(word, words, personal); };
        ForEachCheckedWord(Utf8ToUtf16(line), isFound, [&](std::u16string_view word, bool found) {
            if (found) return;
            AppendUtf8(unknown, word);
            unknown += '\n';
        });
        Write(out, unknown);
        unknown.clear();
    }
}

}  // namespace morvane
