#pragma once
// Word lists for tests, made from text entries joined with CR LF.
#include <string>
#include <vector>

#include "engine/word_list.h"

namespace morvane::testing {

// The entries' bytes in Windows-1252 joined with CR LF (no CR LF after the last entry).
std::string JoinedBytes(const std::vector<std::u16string>& entries);
WordList MakeWordList(const std::string& bytes);
WordList MakeWordList(const std::vector<std::u16string>& entries);

}  // namespace morvane::testing
