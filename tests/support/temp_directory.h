#pragma once
// A directory of its own for one test, removed with everything in it at the end.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvane::testing {

class TempDirectory {
public:
    TempDirectory() {
        static int made = 0;
        path_ = (std::filesystem::temp_directory_path() /
                 (L"morvane-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++made)))
                    .wstring();
        std::filesystem::remove_all(path_);
        std::filesystem::create_directory(path_);
    }
    ~TempDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
    // Writes the bytes to the file name (below the directory), replacing it; returns its path.
    std::wstring Write(const std::wstring& name, std::string_view bytes) const {
        std::ofstream file(std::filesystem::path(*this / name), std::ios::binary);
        if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush()) {
            throw std::runtime_error("cannot write a test file");
        }
        return *this / name;
    }
    std::wstring MakeDirectory(const std::wstring& name) const {
        std::filesystem::create_directory(*this / name);
        return *this / name;
    }

private:
    std::wstring path_;
};

// Reads a whole file; empty when it cannot be read.
inline std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace morvane::testing
