#include "bench/file_dictionary_host.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "bench/file_reading.h"

namespace morvane::bench {

bool FileDictionaryHost::FileExists(const std::u16string& path) {
    struct stat status {};
    return stat(ToUtf8(path).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

FileReadResult FileDictionaryHost::ReadWholeFile(const std::u16string& path) {
    FileReadResult result;
    try {
        result.bytes = ReadFileFresh(ToUtf8(path));
        result.ok = true;
    } catch (const std::runtime_error& error) {
        const std::string reason = error.what();
        result.reason.assign(reason.begin(), reason.end());
    }
    return result;
}

void FileDictionaryHost::ShowMessage(const std::u16string& text, const std::u16string& title, int) {
    std::fprintf(stderr, "morvane_bench: %s: %s\n", ToUtf8(title).c_str(), ToUtf8(text).c_str());
    std::exit(2);
}

const AnsiCodePage& FileDictionaryHost::CodePage() { return AnsiCodePage::Windows1252(); }

}  // namespace morvane::bench
