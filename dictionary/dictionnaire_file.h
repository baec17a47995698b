// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Raw access to a dictionary file shared with other objects and processes.
//
// Nothing of the trie is copied between calls: the file is seen through a
// read-only shared mapping. Refresh() is called at the start of every public
// dictionary operation; it checks that the file mapped is still the one at
// the path, with the same size and modification time, and reopens it
// otherwise. The file is changed only by replacing it whole (see
// file_replacement.h), so a reader sees each change at its next call and
// never a change half done. When the file cannot be mapped, reads fall back
// to pread.
//
// A change is made on a copy of the file in memory: between BeginEdit() and
// EndEdit() every read and write goes to that copy, which the caller then
// puts in place of the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

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
    const std::string &Path() const { return path_; }

    // Follows the file at the path (see above). Does nothing while editing.
    void Refresh();
    std::uint64_t Size() const { return editing_ ? image_.size() : size_; }
    std::uint64_t NodeCount() const { return Size() / trie::kNodeSize; }

    // Copies the bytes [offset, offset + length) that exist into `out`, fills
    // the rest with zeros; returns the number of bytes that existed.
    std::size_t Read(std::uint64_t offset, std::uint8_t *out, std::size_t length) const;
    // The bytes [offset, offset + length) in place when they all exist and
    // are mapped (or in the copy being edited), else nullptr. Valid until the
    // next Refresh or Write.
    const std::uint8_t *View(std::uint64_t offset, std::size_t length) const
    {
        const std::uint8_t *base = editing_ ? image_.data() : map_;
        const std::uint64_t size = Size();
        return base != nullptr && offset < size && length <= size - offset ? base + offset : nullptr;
    }
    // Writes into the copy being edited (growing it as a file would grow);
    // false when not editing.
    bool Write(std::uint64_t offset, const std::uint8_t *data, std::size_t length);

    // Editing: `content` becomes the copy that reads and writes use.
    void BeginEdit(std::vector<std::uint8_t> content);
    bool Editing() const { return editing_; }
    // True once a Write (or a change through Image) went to the copy.
    bool Edited() const { return edited_; }
    std::vector<std::uint8_t> &Image()
    {
        edited_ = true;
        return image_;
    }
    // Drops the copy; the next Refresh looks at the file again.
    void EndEdit();

private:
    // The identity of the file as last seen: a change replaces it.
    struct Identity {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = -1;
        long mtimeSeconds = 0;
        long mtimeNanoseconds = 0;
        bool operator==(const Identity &) const = default;
    };
    static bool IdentityOf(int fd, Identity &identity);
    static bool IdentityOf(const std::string &path, Identity &identity);
    void Map();
    void Unmap();

    std::string path_;
    int fd_ = -1;
    bool writable_ = false;
    Identity identity_;
    std::uint8_t *map_ = nullptr;
    std::size_t mapLength_ = 0;
    std::uint64_t size_ = 0;
    bool editing_ = false;
    bool edited_ = false;
    std::vector<std::uint8_t> image_;
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
