#include "personal_words.h"

#include <algorithm>

#include "engine/char_case.h"
#include "engine/utf8.h"

namespace morvane {

std::u16string LowerCased(std::u16string_view word) {
    std::u16string lowered(word);
    for (char16_t& c : lowered) c = LowerChar(c);
    return lowered;
}

void PersonalWords::LoadFileText(std::string_view utf8) {
    while (!utf8.empty()) {
        const std::size_t lf = utf8.find('\n');
        std::string_view line = utf8.substr(0, lf);
        utf8.remove_prefix(lf == std::string_view::npos ? utf8.size() : lf + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) Add(Utf8ToUtf16(line));
    }
}

std::string PersonalWords::FileText() const {
    std::string text;
    for (const std::u16string& word : saved_) text += Utf16ToUtf8(word) + '\n';
    return text;
}

void PersonalWords::Add(std::u16string_view word) {
    if (word.empty()) return;
    if (std::find(saved_.begin(), saved_.end(), word) == saved_.end()) saved_.emplace_back(word);
    known_.insert(LowerCased(word));
}

void PersonalWords::AcceptForSession(std::u16string_view word) {
    if (!word.empty()) known_.insert(LowerCased(word));
}

bool PersonalWords::Contains(std::u16string_view word) const {
    return !known_.empty() && known_.count(LowerCased(word)) != 0;
}

}  // namespace morvane
