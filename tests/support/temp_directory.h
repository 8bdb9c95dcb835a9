#pragma once
// A directory of its own for one test, removed with everything in it at the end.
#include <windows.h>

#include <string>
#include <string_view>

namespace morvane::testing {

class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
    // Writes the bytes to the file name (below the directory), replacing it; returns its path.
    std::wstring Write(const std::wstring& name, std::string_view bytes) const;
    std::wstring MakeDirectory(const std::wstring& name) const;

private:
    std::wstring path_;
};

// Reads a whole file; empty when it cannot be read.
std::string ReadFileBytes(const std::wstring& path);

}  // namespace morvane::testing
