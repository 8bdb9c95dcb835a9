#include "bench/file_dictionary_host.h"

#include <cstdio>
#include <cstdlib>

#include "engine/utf8.h"

namespace morvane::bench {

void FileDictionaryHost::ShowMessage(const std::u16string& text, const std::u16string& title, int) {
    std::fprintf(stderr, "morvane_bench: %s: %s\n", Utf16ToUtf8(title).c_str(), Utf16ToUtf8(text).c_str());
    std::exit(2);
}

}  // namespace morvane::bench
