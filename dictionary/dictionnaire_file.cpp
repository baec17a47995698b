// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/dictionnaire_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dictionnaire {

DictionnaireFile::~DictionnaireFile()
{
    Unmap();
    if (fd_ >= 0)
        close(fd_);
}

bool DictionnaireFile::IdentityOf(int fd, Identity &identity)
{
    struct stat info {};
    if (fstat(fd, &info) != 0)
        return false;
    identity = {info.st_dev, info.st_ino, info.st_size, long(info.st_mtim.tv_sec),
                long(info.st_mtim.tv_nsec)};
    return true;
}

bool DictionnaireFile::IdentityOf(const std::string &path, Identity &identity)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return false;
    identity = {info.st_dev, info.st_ino, info.st_size, long(info.st_mtim.tv_sec),
                long(info.st_mtim.tv_nsec)};
    return true;
}

bool DictionnaireFile::Open(const std::string &path, bool writable)
{
    path_ = path;
    fd_ = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    writable_ = writable;
    if (fd_ < 0 && errno == ENOENT) {
        // A missing dictionary is replaced by a new empty one, open for
        // reading and writing whatever was asked.
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        writable_ = true;
    }
    if (fd_ < 0) {
        writable_ = false;
        return false;
    }
    if (!IdentityOf(fd_, identity_))
        identity_ = Identity();
    Map();
    return true;
}

void DictionnaireFile::Map()
{
    Unmap();
    size_ = identity_.size > 0 ? std::uint64_t(identity_.size) : 0;
    if (size_ == 0)
        return;
    void *address = mmap(nullptr, std::size_t(size_), PROT_READ, MAP_SHARED, fd_, 0);
    if (address != MAP_FAILED) {
        map_ = static_cast<std::uint8_t *>(address);
        mapLength_ = std::size_t(size_);
    }
}

void DictionnaireFile::Unmap()
{
    if (map_ != nullptr)
        munmap(map_, mapLength_);
    map_ = nullptr;
    mapLength_ = 0;
}

void DictionnaireFile::Refresh()
{
    Identity current;
    if (editing_ || fd_ < 0 || !IdentityOf(path_, current) || current == identity_)
        return; // a file that has gone away stays readable as it was
    const int fd = ::open(path_.c_str(), (writable_ ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0)
        return;
    Unmap();
    close(fd_);
    fd_ = fd;
    if (!IdentityOf(fd_, identity_))
        identity_ = Identity();
    Map();
}

std::size_t DictionnaireFile::Read(std::uint64_t offset, std::uint8_t *out, std::size_t length) const
{
    const std::uint64_t size = Size();
    std::size_t available = 0;
    if (offset < size)
        available = std::size_t(std::min<std::uint64_t>(length, size - offset));
    if (available > 0 && editing_) {
        std::memcpy(out, image_.data() + offset, available);
    } else if (available > 0 && map_ != nullptr) {
        std::memcpy(out, map_ + offset, available);
    } else if (available > 0) {
        const ssize_t got = pread(fd_, out, available, off_t(offset));
        available = got > 0 ? std::size_t(got) : 0;
    }
    std::memset(out + available, 0, length - available);
    return available;
}

bool DictionnaireFile::Write(std::uint64_t offset, const std::uint8_t *data, std::size_t length)
{
    if (!editing_)
        return false;
    // As with a file, writing past the end fills the hole with zeros.
    if (offset + length > image_.size())
        image_.resize(std::size_t(offset + length));
    std::memcpy(image_.data() + offset, data, length);
    edited_ = true;
    return true;
}

void DictionnaireFile::BeginEdit(std::vector<std::uint8_t> content)
{
    image_ = std::move(content);
    editing_ = true;
    edited_ = false;
}

void DictionnaireFile::EndEdit()
{
    editing_ = false;
    edited_ = false;
    std::vector<std::uint8_t>().swap(image_);
}

} // namespace dictionnaire
