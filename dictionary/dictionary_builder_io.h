// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File access of the dictionary builder: whole-file reads and all-or-nothing
// writes.
#include <cstddef>
#include <string>

namespace dictionary_builder_io {

// Reads the whole file into `content`; false when it cannot be opened or read
// (a folder included).
bool ReadWholeFile(const std::string &path, std::string &content);

// Writes `size` bytes to `path` so that readers only ever see the old file or
// the complete new one: the bytes go to a new temporary file in the same
// folder, are flushed to disk, and the temporary then replaces `path` by a
// rename, under the lock that serialises the changes of a dictionary file
// (see file_replacement.h). On failure the temporary is removed and `path`
// is left as it was.
bool WriteFileAtomically(const std::string &path, const void *data, std::size_t size);

} // namespace dictionary_builder_io
