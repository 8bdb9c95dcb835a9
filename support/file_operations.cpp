#include "support/file_operations.h"

#include <windows.h>

#include "support/unique_handle.h"

namespace morvane {

bool FileExists(const std::wstring& path) {
    if (path.empty()) return false;
    WIN32_FIND_DATAW found;
    const UniqueFind search(FindFirstFileW(path.c_str(), &found));
    return search.Valid();
}

}  // namespace morvane
