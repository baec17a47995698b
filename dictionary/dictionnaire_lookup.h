// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The walk of one word down the trie, shared by the lookups, the removal of
// a word and the cross-checks of the board searches.
#include <cstdint>
#include <string>

#include "dictionary/dictionnaire_file.h"

namespace dictionnaire {

struct FoundNode {
    std::uint64_t groupStart = 0; // first node of the block the node was read with
    int entry = 0;                // 1-based entry in that block
    std::uint8_t letterByte = 0;
    std::uint32_t child = 0;
};

// Scans the group that starts at node `start` for `letter` (upper case).
bool FindInGroup(const DictionnaireFile &file, std::uint64_t start, char letter, NodeBlock &block,
                 FoundNode &found);

// Follows `word` (ASCII letters taken as capitals) from the root group:
// -1 when the path does not exist or the word is empty, 0 when the path ends
// at a node without end of word, 1 for a stored word. `last` receives the
// last node found.
int WalkWord(const DictionnaireFile &file, const std::string &word, FoundNode &last);

inline bool StoredWord(const DictionnaireFile &file, const std::string &word)
{
    FoundNode last;
    return WalkWord(file, word, last) == 1;
}

} // namespace dictionnaire
