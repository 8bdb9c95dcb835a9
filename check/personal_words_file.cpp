#include "personal_words_file.h"

#include "personal_words.h"
#include "platform.h"

namespace morvane {

std::u16string SavePersonalWordsFile(const std::u16string& path, std::string_view fileText) {
    const FileSaveLock lock(path);
    if (!lock.Failure().empty()) return lock.Failure();
    PersonalWords merged;
    ConsoleHost host;
    if (host.FileExists(path)) {
        const FileReadResult file = host.ReadWholeFile(path);
        if (!file.ok) return u"could not read " + path + u" again to add to it: " + file.reason;
        merged.LoadFileText({file.bytes.data.get(), file.bytes.size});
    }
    merged.LoadFileText(fileText);
    return ReplaceFileContent(path, merged.FileText());
}

}  // namespace morvane
