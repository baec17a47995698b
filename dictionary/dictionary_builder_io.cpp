// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/dictionary_builder_io.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
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
    // Closes now, reporting the error a delayed write may only show here.
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

// Creates a new file beside `path` that no one else uses; -1 on failure.
int CreateTemporaryBeside(const std::string &path, std::string &temporary)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        // 0666 under the umask: the finished file gets the usual permissions.
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes the rename itself durable; a failure here loses nothing already
// visible, so it is not reported.
void SyncFolderOf(const std::string &path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

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
    std::string temporary;
    FileDescriptor file(CreateTemporaryBeside(path, temporary));
    if (file.Get() < 0)
        return false;
    const bool written = WriteAll(file.Get(), static_cast<const char *>(data), size) &&
                         ::fsync(file.Get()) == 0 && file.Close() &&
                         ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolderOf(path);
    return true;
}

} // namespace dictionary_builder_io
