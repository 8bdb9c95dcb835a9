#pragma once
// The dictionary file and the word list read from it.
#include <functional>
#include <string>

#include "word_list.h"

namespace morvane {

inline constexpr char16_t kDictionaryFileName[] = u"Morvane.dictionary";
inline constexpr char16_t kDictionaryMissingText[] =
    u"The .dictionary file is missing.  Please rerun the program installation and select "
    u"repair to correct this missing file";
inline constexpr char16_t kDictionaryMissingTitle[] = u"Program functioning completely impaired!";
inline constexpr char16_t kDictionaryUnreadableTitle[] = u"Morvane";
inline constexpr int kStopIconStyle = 16;  // a stop icon and an OK button

struct FileReadResult {
    bool ok = false;
    FileBytes bytes;           // when ok
    std::u16string reason;     // when not ok: why, in words for the user
};

// What loading needs from its surroundings: the Windows program and morvane-check each
// provide their own.
class DictionaryHost {
public:
    virtual ~DictionaryHost() = default;
    virtual bool FileExists(const std::u16string& path) = 0;
    virtual FileReadResult ReadWholeFile(const std::u16string& path) = 0;
    // The same, reading in pieces: after each, onPiece gets the buffer and how much of it has
    // been read, so the caller can look at it while it is fresh. Hosts that read in one go
    // need not provide it.
    using PieceRead = std::function<void(const char* buffer, std::size_t readSoFar)>;
    virtual FileReadResult ReadWholeFileInPieces(const std::u16string& path, const PieceRead& onPiece) {
        (void)onPiece;
        return ReadWholeFile(path);
    }
    // A modal message with a title and a message-box style (16: stop icon and OK).
    virtual void ShowMessage(const std::u16string& text, const std::u16string& title, int style) = 0;
    virtual const AnsiCodePage& CodePage() = 0;
};

class Dictionary {
public:
    // Reads the file at path into the word list. A missing file, or one that cannot be
    // read, is reported through the host and sets DictionaryMissing; the previous list
    // stays. A file read in full replaces the list and clears the flag.
    void LoadDictionary(const std::u16string& path, DictionaryHost& host);

    const WordList& Words() const { return words_; }
    bool DictionaryMissing() const { return missing_; }

private:
    WordList words_;
    bool missing_ = false;
};

}  // namespace morvane
