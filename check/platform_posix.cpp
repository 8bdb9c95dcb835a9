#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

#include "platform.h"
#include "engine/utf8.h"

namespace morvane {

const char16_t kPathSeparator = u'/';

ConsoleHost::ConsoleHost(std::ostream* messages) : codePage_(AnsiCodePage::Windows1252()), messages_(messages) {}

bool ConsoleHost::FileExists(const std::u16string& path) {
    struct stat info {};
    return !path.empty() && ::stat(Utf16ToUtf8(path).c_str(), &info) == 0;
}

FileReadResult ConsoleHost::ReadWholeFile(const std::u16string& path) { return ReadWholeFileInPieces(path, {}); }

// Read a piece at a time, small enough to be still in the processor's cache when the caller
// looks at it.
FileReadResult ConsoleHost::ReadWholeFileInPieces(const std::u16string& path, const PieceRead& onPiece) {
    constexpr std::size_t kPiece = 256 * 1024;
    FileReadResult result;
    const int fd = ::open(Utf16ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.reason = Utf8ToUtf16(std::strerror(errno));
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.reason = u"it is not a regular file.";
        ::close(fd);
        return result;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size > WordList::kMaxBytes) {
        result.reason = u"the file is larger than 4 GB.";
        ::close(fd);
        return result;
    }
    result.bytes.data = std::make_unique_for_overwrite<char[]>(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, result.bytes.data.get() + done, std::min(size - done, kPiece));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            result.reason = n < 0 ? Utf8ToUtf16(std::strerror(errno)) : u"the file became shorter while it was read.";
            ::close(fd);
            result.bytes = {};
            return result;
        }
        done += static_cast<std::size_t>(n);
        if (onPiece) onPiece(result.bytes.data.get(), done);
    }
    ::close(fd);
    result.bytes.size = size;
    result.ok = true;
    return result;
}

void ConsoleHost::ShowMessage(const std::u16string& text, const std::u16string& title, int) {
    (messages_ ? *messages_ : std::cerr) << "morvane-check: " << Utf16ToUtf8(title) << ": " << Utf16ToUtf8(text) << '\n';
}

std::u16string ExecutableDirectory() {
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0) return u".";
    path.resize(static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    return Utf8ToUtf16(slash == 0 ? "/" : path.substr(0, slash));
}

std::vector<std::u16string> CommandLineArguments(int argc, char** argv) {
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Utf8ToUtf16(argv[i]));
    return args;
}

// A terminal takes UTF-8 as it is.
struct StandardStreams::ConsoleParts {};
StandardStreams::StandardStreams() = default;
StandardStreams::~StandardStreams() = default;
std::istream& StandardStreams::In() { return std::cin; }
std::ostream& StandardStreams::Out() { return std::cout; }
std::ostream& StandardStreams::Err() { return std::cerr; }

// Without an absolute XDG_DATA_HOME or HOME there is no place: never the current folder.
std::u16string DefaultPersonalWordsPath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string folder;
    if (data != nullptr && data[0] == '/') {
        folder = data;
    } else if (home != nullptr && home[0] == '/') {
        folder = std::string(home) + "/.local/share";
    } else {
        return u"";
    }
    return Utf8ToUtf16(folder + "/morvane/personal-words");
}

namespace {

std::u16string SystemFailure(const std::string& what, const std::string& path) {
    return Utf8ToUtf16("could not " + what + " " + path + ": " + std::strerror(errno));
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the folder and those above it that are missing.
bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

}  // namespace

// The folder rather than the file is locked: the file is replaced, not written in place, so a
// lock on it would be left behind on the old one.
FileSaveLock::FileSaveLock(const std::u16string& path) {
    const std::string folder = FolderOf(Utf16ToUtf8(path));
    if (!MakeFolders(folder)) {
        failure_ = SystemFailure("make the folder", folder);
        return;
    }
    folder_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int locked = -1;
    while (folder_ >= 0 && (locked = ::flock(folder_, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) failure_ = SystemFailure("lock the folder", folder);
}

FileSaveLock::~FileSaveLock() {
    if (folder_ >= 0) ::close(folder_);  // releases the lock
}

std::u16string ReplaceFileContent(const std::u16string& path, std::string_view bytes) {
    const std::string target = Utf16ToUtf8(path);
    const std::string folder = FolderOf(target);
    if (!MakeFolders(folder)) return SystemFailure("make the folder", folder);
    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return SystemFailure("write a file in", folder);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    std::u16string failure;
    if (done < bytes.size() || ::fsync(fd) != 0) failure = SystemFailure("write", temporary);
    ::fchmod(fd, 0644);
    if (::close(fd) != 0 && failure.empty()) failure = SystemFailure("write", temporary);
    if (failure.empty() && ::rename(temporary.c_str(), target.c_str()) != 0) failure = SystemFailure("replace", target);
    if (!failure.empty()) ::unlink(temporary.c_str());
    return failure;
}

}  // namespace morvane
