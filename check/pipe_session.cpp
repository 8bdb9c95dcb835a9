#include "pipe_session.h"

#include <istream>
#include <ostream>

#include "engine/check_list.h"
#include "engine/spelling.h"
#include "engine/utf8.h"
#include "text_words.h"

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

bool IsFoundWord(std::u16string_view word, const WordList& words, const PersonalWords& personal) {
    return personal.Contains(word) || IsInDictionary(words, CleanWord(word));
}

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
    out_ << '\n';
}

void PipeSession::CheckText(std::u16string_view text, std::size_t offsetBase) {
    ForEachWord(text, [&](std::u16string_view word, std::size_t offset) { CheckWordAt(word, offsetBase + offset); });
}

void PipeSession::CheckWordAt(std::u16string_view word, std::size_t offset) {
    const CheckResult result = personal_.Contains(word) ? CheckResult{} : CheckWord(word, words_, limit_);
    if (result.found) {
        if (!terse_) out_ << "*\n";
        return;
    }
    const std::string utf8Word = Utf16ToUtf8(word);
    if (result.entries.size() == 2 && result.entries[0] == kWordNotFound && result.entries[1] == kNoSuggestions) {
        out_ << "# " << utf8Word << ' ' << offset << '\n';
        return;
    }
    out_ << "& " << utf8Word << ' ' << result.entries.size() << ' ' << offset << ':';
    for (std::size_t i = 0; i < result.entries.size(); ++i) out_ << (i ? ", " : " ") << Utf16ToUtf8(result.entries[i]);
    out_ << '\n';
}

void PipeSession::Save() {
    const std::u16string failure = save_(personal_.FileText());
    if (!failure.empty()) err_ << "morvane-check: " << Utf16ToUtf8(failure) << '\n';
}

void ListUnknownWords(std::istream& in, const WordList& words, const PersonalWords& personal, std::ostream& out) {
    std::string line;
    while (std::getline(in, line)) {
        ForEachWord(Utf8ToUtf16(line), [&](std::u16string_view word, std::size_t) {
            if (!IsFoundWord(word, words, personal)) out << Utf16ToUtf8(word) << '\n';
        });
    }
}

}  // namespace morvane
