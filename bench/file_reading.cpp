#include "bench/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace morvane::bench {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

[[noreturn]] void Fail(const std::string& path, const char* what) {
    throw std::runtime_error(path + ": " + what + ": " + std::strerror(errno));
}

}  // namespace

FileBytes ReadFileFresh(const std::string& path) {
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) Fail(path, "cannot open");
    struct stat status {};
    if (fstat(file.get(), &status) != 0) Fail(path, "cannot stat");
    FileBytes bytes;
    bytes.size = static_cast<std::size_t>(status.st_size);
    bytes.data.reset(new char[bytes.size]);  // not value-initialised: the read touches it first
    std::size_t done = 0;
    while (done < bytes.size) {
        const ssize_t n = read(file.get(), bytes.data.get() + done, bytes.size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail(path, "cannot read");
        if (n == 0) throw std::runtime_error(path + ": the file became shorter while it was read");
        done += static_cast<std::size_t>(n);
    }
    return bytes;
}

std::vector<std::u16string> ReadWordLines(const std::string& path) {
    const FileBytes bytes = ReadFileFresh(path);
    std::vector<std::u16string> words;
    std::u16string word;
    for (std::size_t i = 0; i <= bytes.size; ++i) {
        const char c = i < bytes.size ? bytes.data[i] : '\n';
        if (c == '\n') {
            if (!word.empty() && word.back() == u'\r') word.pop_back();
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
        }
    }
    return words;
}

}  // namespace morvane::bench
