// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/file_replacement.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace file_replacement {

namespace {

std::string FolderOf(const std::string &path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

std::string NameOf(const std::string &path)
{
    return std::filesystem::path(path).filename().string();
}

bool WriteAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
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
        // 0666 under the umask unless the old file's permissions are copied.
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
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

bool SameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// "<name>.<digits>-<digits>.tmp"
bool IsTemporaryOf(const std::string &entry, const std::string &name)
{
    const std::string suffix = ".tmp";
    if (entry.size() <= name.size() + 1 + suffix.size() || entry.compare(0, name.size(), name) != 0 ||
        entry[name.size()] != '.' || entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string middle = entry.substr(name.size() + 1, entry.size() - name.size() - 1 - suffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string::npos || dash + 1 == middle.size())
        return false;
    for (std::size_t i = 0; i < middle.size(); ++i)
        if (i != dash && (middle[i] < '0' || middle[i] > '9'))
            return false;
    return true;
}

} // namespace

int ChangeLock::Acquire(const std::string &path)
{
    Release();
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return errno;
        int locked;
        do
            locked = ::flock(fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const int error = errno;
            ::close(fd);
            return error;
        }
        // While this process waited, another writer may have put a new file
        // in place: the lock of the old one protects nothing.
        struct stat locked_file {
        }, current{};
        if (::fstat(fd, &locked_file) == 0 && ::stat(path.c_str(), &current) == 0 &&
            SameFile(locked_file, current)) {
            fd_ = fd;
            return 0;
        }
        ::close(fd);
    }
}

void ChangeLock::Release()
{
    if (fd_ >= 0)
        ::close(fd_); // also releases the lock
    fd_ = -1;
}

int ReadAll(int fd, std::vector<std::uint8_t> &content)
{
    content.clear();
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return errno;
    // Room for the growth of a change, so that inserting nodes rarely moves
    // the whole content.
    const std::size_t size = std::size_t(info.st_size);
    content.reserve(size + size / 8 + (1u << 16));
    std::uint8_t chunk[1 << 16];
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(fd, chunk, sizeof chunk, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        content.insert(content.end(), chunk, chunk + got);
        offset += got;
    }
}

std::string TargetOf(const std::string &path)
{
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const std::filesystem::path target = std::filesystem::canonical(path, error);
        if (!error)
            return target.string();
    }
    return path;
}

int Replace(const std::string &path, const void *data, std::size_t size, int model)
{
    std::string temporary;
    const int fd = CreateTemporaryBeside(path, temporary);
    if (fd < 0)
        return errno;
    int error = 0;
    struct stat old {};
    if (model >= 0 && ::fstat(model, &old) == 0) {
        // The owner first: changing it may clear set-id bits the mode restores.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            // Only root may give a file away; for anyone else it stays theirs.
            const int given = ::fchown(fd, old.st_uid, old.st_gid);
            (void)given;
        }
        ::fchmod(fd, old.st_mode & 07777);
    }
    if (!WriteAll(fd, static_cast<const char *>(data), size) || ::fsync(fd) != 0)
        error = errno;
    // close() may be where a delayed write error shows.
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolderOf(path);
    return 0;
}

void RemoveStaleTemporaries(const std::string &path)
{
    const std::string name = NameOf(path);
    const std::string folder = FolderOf(path);
    DIR *dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        if (IsTemporaryOf(entry->d_name, name))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

int ReplaceLocked(const std::string &path, const void *data, std::size_t size)
{
    const std::string target = TargetOf(path);
    ChangeLock lock;
    const int locked = lock.Acquire(target);
    if (locked != 0 && locked != ENOENT)
        return locked;
    if (lock.Held())
        RemoveStaleTemporaries(target);
    return Replace(target, data, size, lock.Descriptor());
}

} // namespace file_replacement
