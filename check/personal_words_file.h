#pragma once
// Saving the personal word list's file when more than one program may write it: an editor's
// pipe mode and a language server, each with the list it read when it started.
#include <string>
#include <string_view>

namespace morvane {

// Saves the list's file text (one word a line) at path without losing the words another
// program saved there since: under the save lock the file is read again, its words keep their
// order, the words of fileText it lacks follow, and the whole replaces the file at once.
// Returns why it failed, the file untouched, or the empty text when it is done.
std::u16string SavePersonalWordsFile(const std::u16string& path, std::string_view fileText);

}  // namespace morvane
