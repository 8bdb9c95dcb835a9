#pragma once
// A directory of its own for one test, removed with everything in it at the end, and whole
// files read and written.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvane::testing {

// Reads a whole file; nullopt when it cannot be read.
inline std::optional<std::string> ReadFileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Writes the bytes to the file, replacing it.
inline void WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush()) {
        throw std::runtime_error("cannot write a test file");
    }
}

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
        // A program the test started may hold a file of it for a moment after it has ended.
        for (int attempt = 0; attempt < 300; ++attempt, Sleep(10)) {
            std::error_code error;
            std::filesystem::remove_all(path_, error);
            if (!error) return;
        }
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
    // Writes the bytes to the file name (below the directory), replacing it; returns its path.
    std::wstring Write(const std::wstring& name, std::string_view bytes) const {
        WriteFileBytes(*this / name, bytes);
        return *this / name;
    }
    void Remove(const std::wstring& name) const { DeleteFileW((*this / name).c_str()); }
    std::wstring MakeDirectory(const std::wstring& name) const {
        std::filesystem::create_directory(*this / name);
        return *this / name;
    }

private:
    std::wstring path_;
};

}  // namespace morvane::testing
