// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/dictionnaire_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace dictionnaire {

namespace {

// Room mapped beyond the current size, so that a growing file (one node per
// inserted letter) is remapped only now and then.
std::size_t MappingLengthFor(std::uint64_t size)
{
    const std::uint64_t page = std::uint64_t(sysconf(_SC_PAGESIZE));
    const std::uint64_t wanted = size + size / 4 + (1u << 20);
    return std::size_t((wanted + page - 1) / page * page);
}

} // namespace

DictionnaireFile::~DictionnaireFile()
{
    Unmap();
    if (fd_ >= 0)
        close(fd_);
}

bool DictionnaireFile::Open(const std::string &path, bool writable)
{
    fd_ = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    writable_ = writable;
    if (fd_ < 0 && errno == ENOENT) {
        // A missing dictionary is replaced by a new empty one, open for
        // reading and writing whatever was asked.
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        writable_ = true;
    }
    if (fd_ < 0)
        writable_ = false;
    Refresh();
    return fd_ >= 0;
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
    // The file offset is not used otherwise: every read and write says where.
    const off_t end = fd_ >= 0 ? lseek(fd_, 0, SEEK_END) : off_t(-1);
    size_ = end > 0 ? std::uint64_t(end) : 0;
    if (size_ <= mapLength_ || size_ == 0)
        return;
    Unmap();
    const std::size_t length = MappingLengthFor(size_);
    void *address = mmap(nullptr, length, PROT_READ, MAP_SHARED, fd_, 0);
    if (address != MAP_FAILED) {
        map_ = static_cast<std::uint8_t *>(address);
        mapLength_ = length;
    }
}

std::size_t DictionnaireFile::Read(std::uint64_t offset, std::uint8_t *out, std::size_t length) const
{
    std::size_t available = 0;
    if (offset < size_)
        available = std::size_t(std::min<std::uint64_t>(length, size_ - offset));
    if (available > 0 && map_ != nullptr) {
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
    bool complete = writable_;
    std::size_t done = 0;
    while (complete && done < length) {
        const ssize_t put = pwrite(fd_, data + done, length - done, off_t(offset + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            complete = false;
        else
            done += std::size_t(put);
    }
    Refresh();
    return complete;
}

} // namespace dictionnaire
