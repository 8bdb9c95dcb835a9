#pragma once
// Whether a path names something that exists.
#include <string>

namespace morvane {

// True when a first-match search for the path finds anything: a file, a directory, or, as
// wildcards are not escaped, anything a pattern matches. The empty text is false.
bool FileExists(const std::wstring& path);

}  // namespace morvane
