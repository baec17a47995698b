// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Raw access to a dictionary file shared with other objects and processes.
//
// Nothing of the trie is copied: the file is seen through a read-only shared
// mapping that follows the file's current size. Refresh() re-reads that size
// (a seek to the end, the cheapest system call that gives it) and is called
// at the start of every public dictionary operation, so a change written by
// another object is seen at the next call. Writes go straight to the file
// (pwrite); the shared mapping shows them at once. When the file cannot be
// mapped, reads fall back to pread.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dictionary/trie_format.h"

namespace dictionnaire {

inline constexpr int kBlockBytes = trie::kNodeSize * trie::kNodesPerRead;

class DictionnaireFile {
public:
    DictionnaireFile() = default;
    ~DictionnaireFile();
    DictionnaireFile(const DictionnaireFile &) = delete;
    DictionnaireFile &operator=(const DictionnaireFile &) = delete;

    // Opens the file for reading (and writing when asked); a missing file is
    // created empty. An existing file is never truncated. False when no file
    // could be opened at all.
    bool Open(const std::string &path, bool writable);
    bool IsOpen() const { return fd_ >= 0; }
    bool IsWritable() const { return writable_; }

    void Refresh();
    std::uint64_t Size() const { return size_; }
    std::uint64_t NodeCount() const { return size_ / trie::kNodeSize; }

    // Copies the bytes [offset, offset + length) that exist into `out`, fills
    // the rest with zeros; returns the number of bytes that existed.
    std::size_t Read(std::uint64_t offset, std::uint8_t *out, std::size_t length) const;
    // The bytes [offset, offset + length) in place when they all exist and
    // are mapped, else nullptr. Valid until the next Refresh or Write.
    const std::uint8_t *View(std::uint64_t offset, std::size_t length) const
    {
        return map_ != nullptr && offset < size_ && length <= size_ - offset ? map_ + offset : nullptr;
    }
    // Writes all bytes or returns false; the size is refreshed afterwards.
    bool Write(std::uint64_t offset, const std::uint8_t *data, std::size_t length);

private:
    void Unmap();

    int fd_ = -1;
    bool writable_ = false;
    std::uint8_t *map_ = nullptr;
    std::size_t mapLength_ = 0;
    std::uint64_t size_ = 0;
};

// One read of 30 nodes starting at node `first`, zero-filled past the end of
// the file. Entries are numbered from 1 (entry i is node first + i - 1).
// A block that lies wholly inside the mapped file is looked at in place.
struct NodeBlock {
    std::uint64_t first = 0;
    std::size_t bytesRead = 0;
    const std::uint8_t *data = nullptr;
    std::uint8_t copy[kBlockBytes];

    NodeBlock() = default;
    NodeBlock(const NodeBlock &) = delete; // `data` may point into the block itself
    NodeBlock &operator=(const NodeBlock &) = delete;

    void Load(const DictionnaireFile &file, std::uint64_t firstNode)
    {
        first = firstNode;
        data = file.View(firstNode * trie::kNodeSize, kBlockBytes);
        if (data != nullptr) {
            bytesRead = kBlockBytes;
        } else {
            bytesRead = file.Read(firstNode * trie::kNodeSize, copy, kBlockBytes);
            data = copy;
        }
    }
    int NodesRead() const { return int(bytesRead / trie::kNodeSize); }
    const std::uint8_t *Entry(int i) const { return data + (i - 1) * trie::kNodeSize; }
    std::uint8_t LetterByte(int i) const { return Entry(i)[0]; }
    std::uint32_t Child(int i) const { return trie::ChildIndex(Entry(i)); }
    char Letter(int i) const { return trie::LetterOf(LetterByte(i)); }
    std::uint64_t NodeOf(int i) const { return first + std::uint64_t(i - 1); }
    // Entry i still belongs to the group that starts at entry 1: the group
    // ends at the scan limit, at a later group head or at a letter byte 0.
    bool InGroup(int i) const
    {
        return i <= trie::kGroupScanLimit && LetterByte(i) != 0 &&
               (i == 1 || (LetterByte(i) & trie::GroupHead) == 0);
    }
};

} // namespace dictionnaire
