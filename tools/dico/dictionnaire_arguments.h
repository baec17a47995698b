// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the dictionary commands of ludorine-dico share: reading words and
// numbers from the command line, opening the dictionary file, printing lists.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/dictionnaire.h"

namespace dico_arguments {

// A command-line word as Latin-1 bytes: text that is valid UTF-8 is decoded
// (characters beyond Latin-1 become blanks), anything else is taken as
// Latin-1 already.
std::string Latin1(const std::string &argument);

// The same with the ASCII letters in capitals: the searches' patterns and
// racks, where a small letter could never match.
std::string Capitals(const std::string &argument);

// A whole decimal integer, or nothing.
std::optional<int> Integer(const std::string &argument);

// Opens an existing dictionary file; prints the reason and returns null when
// there is none or it cannot be opened (for writing when `mode` is 'W').
std::unique_ptr<TDictionnaire> OpenExisting(const std::string &path, char mode);

// Prints each string on its own line; returns the success status.
int PrintLines(const std::vector<std::string> &lines);

} // namespace dico_arguments
