// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// All-or-nothing changes of a file that other objects and processes read at
// any time (the dictionary file).
//
// A change never touches the file in place: the new content goes to a
// temporary file in the same folder, is flushed to disk, gets the old file's
// permissions, and replaces the old file by one rename. A reader sees either
// the old file or the new one, whole; a crash, a full disk or a killed
// process leaves the old file as it was.
//
// Writers are serialised by an exclusive lock (flock) on the file that is at
// the path when the change starts. A writer that waited checks that the file
// it locked is still the one at the path (another writer may have replaced
// it meanwhile) and otherwise locks the new one, so it always works on the
// latest content. The lock goes with the process: a killed writer holds none.
//
// Temporary files are named "<file>.<pid>-<n>.tmp". A change that fails
// removes its own; one left by a killed process is removed by the next
// change, which runs under the lock and so knows that no other change is
// writing one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace file_replacement {

class ChangeLock {
public:
    ChangeLock() = default;
    ~ChangeLock() { Release(); }
    ChangeLock(const ChangeLock &) = delete;
    ChangeLock &operator=(const ChangeLock &) = delete;

    // Waits until this process holds the lock of the file now at `path`.
    // Returns 0, or the errno of the failure (ENOENT when there is no file).
    int Acquire(const std::string &path);
    bool Held() const { return fd_ >= 0; }
    // The locked file, open for reading: the content the change starts from.
    int Descriptor() const { return fd_; }
    void Release();

private:
    int fd_ = -1;
};

// The whole content of an open file; 0 or an errno.
int ReadAll(int fd, std::vector<std::uint8_t> &content);

// The path a change of `path` replaces: the file a symbolic link points to,
// so that the link stays a link.
std::string TargetOf(const std::string &path);

// Replaces `path` by a file holding `size` bytes of `data` (see above).
// `model`, when it is an open descriptor, gives the permissions and owner of
// the new file. Returns 0 or the errno of the first failure (ENOSPC for a
// full disk, EACCES or EROFS for a folder that cannot be written, EFBIG...);
// on failure `path` is untouched and no temporary file is left.
int Replace(const std::string &path, const void *data, std::size_t size, int model = -1);

// Removes the temporary files that changes of `path` left behind. Only to be
// called with the lock held.
void RemoveStaleTemporaries(const std::string &path);

// Locks `path` when it exists, removes stale temporaries and replaces it.
int ReplaceLocked(const std::string &path, const void *data, std::size_t size);

} // namespace file_replacement
