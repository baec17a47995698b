// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/dictionary_builder_io.h"

#include "dictionary/file_replacement.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dictionary_builder_io {

namespace {

// Closes the descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int Get() const { return fd_; }

private:
    int fd_;
};

} // namespace

bool ReadWholeFile(const std::string &path, std::string &content)
{
    content.clear();
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        return false;
    struct stat info {};
    if (::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode))
        content.reserve(std::size_t(info.st_size));
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(file.Get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            content.clear();
            return false; // EISDIR for a folder, EIO...
        }
        if (got == 0)
            return true;
        content.append(chunk, std::size_t(got));
    }
}

bool WriteFileAtomically(const std::string &path, const void *data, std::size_t size)
{
    return file_replacement::ReplaceLocked(path, data, size) == 0;
}

} // namespace dictionary_builder_io
