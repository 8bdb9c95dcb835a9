#pragma once
// morvane-check: checks words as the check window does and prints what its list would show.
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "engine/dictionary.h"

namespace morvane {

struct CheckCommandContext {
    DictionaryHost& host;          // files, code page, and where the load's messages go
    std::u16string programDirectory;  // the default home of the dictionary and Settings.ini
    char16_t pathSeparator;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    std::u16string personalWordsPath;  // when no -p names one; empty when there is no place for it (no APPDATA)
    // Saves the personal word list's file text at a path, whole or not at all (the program
    // merges it with the words the file holds by then); returns why it failed, or the empty text.
    std::function<std::u16string(const std::u16string& path, std::string_view bytes)> replaceFile;
};

// Exit status: 0 when every word was found (and after the pipe and list modes), 1 when one
// was not, 2 on a usage or file error.
int RunCheckCommand(const std::vector<std::u16string>& args, CheckCommandContext& context);

extern const char kCheckCommandUsage[];

}  // namespace morvane
