// The words of any line of text, with any verdict on them: each word is a run of letters
// with an apostrophe or hyphen only between two letters, what lies between words holds no
// letter, and a word comes in parts exactly when it is one of A-Z and a-z, hyphenated, and
// not found whole.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "check/text_words.h"
#include "fuzz/fuzz_input.h"

using namespace morvane;

namespace {

struct Checked {
    std::size_t start, end;  // code units of the line
    bool found;
};

[[noreturn]] void Fail(const char* what, std::u16string_view line) {
    std::fprintf(stderr, "word rule broken: %s, for the line [", what);
    for (char16_t c : line) {
        if (c >= 0x20 && c < 0x7F) {
            std::fputc(c, stderr);
        } else {
            std::fprintf(stderr, "\\u%04X", static_cast<unsigned>(c));
        }
    }
    std::fprintf(stderr, "]\n");
    std::abort();
}

bool HasLetter(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); i += CodePointAt(text, i).units) {
        if (IsWordLetter(CodePointAt(text, i).value)) return true;
    }
    return false;
}

// A run of letters from its first code unit to its last, an apostrophe or hyphen only
// between two letters.
bool IsWordShaped(std::u16string_view word) {
    if (word.empty()) return false;
    bool afterLetter = false;
    for (std::size_t i = 0; i < word.size();) {
        const CodePoint c = CodePointAt(word, i);
        if (IsWordLetter(c.value)) {
            afterLetter = true;
        } else if ((c.value == U'\'' || c.value == U'-') && afterLetter && i + 1 < word.size()) {
            afterLetter = false;  // a letter must follow
        } else {
            return false;
        }
        i += c.units;
    }
    return afterLetter;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto seed = input.ConsumeIntegral<std::uint32_t>();
    const std::u16string line = fuzz::TypedText(input.ConsumeRemainingBytesAsString());
    // Any verdict, as long as it is the same for the same word.
    const auto verdict = [seed](std::u16string_view word) {
        std::uint32_t hash = seed;
        for (char16_t c : word) hash = (hash ^ c) * 16777619u;
        return (hash >> 7) % 3 != 0;
    };

    std::vector<Checked> words;
    ForEachCheckedWord(line, verdict, [&](std::u16string_view word, bool found) {
        const auto start = static_cast<std::size_t>(word.data() - line.data());
        if (start > line.size() || word.size() > line.size() - start) Fail("a word outside the line", line);
        if (!words.empty() && start < words.back().end) Fail("words out of order", line);
        if (!IsWordShaped(word)) Fail("a word that is not a run of letters", line);
        words.push_back({start, start + word.size(), found});
    });

    std::size_t previousEnd = 0;
    for (std::size_t i = 0; i < words.size();) {
        // A word, or the parts of one: words with a lone hyphen between them.
        std::size_t last = i;
        while (last + 1 < words.size() && words[last + 1].start == words[last].end + 1 &&
               line[words[last].end] == u'-') {
            ++last;
        }
        const std::u16string_view gap(line.data() + previousEnd, words[i].start - previousEnd);
        if (HasLetter(gap)) Fail("a letter left out of every word", line);
        if (previousEnd > 0 && gap == u"'") Fail("a word cut at an apostrophe", line);
        const std::u16string_view whole(line.data() + words[i].start, words[last].end - words[i].start);
        if (last > i) {
            if (!IsAsciiWord(whole) || verdict(whole)) Fail("a word cut in parts though it needs no cutting", line);
            for (std::size_t p = i; p <= last; ++p) {
                const std::u16string_view part(line.data() + words[p].start, words[p].end - words[p].start);
                if (words[p].found != verdict(part)) Fail("a part with another's verdict", line);
            }
        } else {
            const bool expected = IsAsciiWord(whole) ? verdict(whole) : true;
            if (words[i].found != expected) Fail("a word with the wrong verdict", line);
            if (!expected && whole.find(u'-') != std::u16string_view::npos) Fail("a hyphenated word not cut", line);
        }
        previousEnd = words[last].end;
        i = last + 1;
    }
    if (HasLetter(std::u16string_view(line).substr(previousEnd))) Fail("a letter left out of every word", line);
    return 0;
}
