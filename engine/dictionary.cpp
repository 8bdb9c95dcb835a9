#include "dictionary.h"

namespace morvane {

void Dictionary::LoadDictionary(const std::u16string& path, DictionaryHost& host) {
    if (!host.FileExists(path)) {
        missing_ = true;
        host.ShowMessage(kDictionaryMissingText, kDictionaryMissingTitle, kStopIconStyle);
        return;
    }
    WordListBuilder builder;
    FileReadResult read = host.ReadWholeFileInPieces(path, [&](const char* buffer, std::size_t readSoFar) {
        builder.Scan(buffer, readSoFar);
    });
    if (read.ok && read.bytes.size > WordList::kMaxBytes) {
        read.ok = false;
        read.reason = u"the file is larger than 4 GB.";
    }
    if (!read.ok) {
        // The window closes as for a missing file, and the list of the last load stays.
        missing_ = true;
        host.ShowMessage(u"The dictionary file \"" + path + u"\" could not be read: " + read.reason,
                         kDictionaryUnreadableTitle, kStopIconStyle);
        return;
    }
    words_ = builder.Finish(std::move(read.bytes), host.CodePage());
    missing_ = false;
}

}  // namespace morvane
