// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/dictionnaire_lookup.h"

namespace dictionnaire {

bool FindInGroup(const DictionnaireFile &file, std::uint64_t start, char letter, NodeBlock &block,
                 FoundNode &found)
{
    block.Load(file, start);
    const int read = block.NodesRead();
    for (int i = 1; i < trie::kNodesPerRead && i <= read; ++i) {
        if (block.Letter(i) == letter) {
            found = {start, i, block.LetterByte(i), block.Child(i)};
            return true;
        }
        if ((block.LetterByte(i + 1) & trie::GroupHead) != 0 || block.LetterByte(i) == 0)
            return false;
    }
    return false;
}

int WalkWord(const DictionnaireFile &file, const std::string &word, FoundNode &last)
{
    if (word.empty())
        return -1;
    NodeBlock block;
    std::uint64_t group = 0;
    for (std::size_t k = 0; k < word.size(); ++k) {
        char letter = word[k];
        if (letter >= 'a' && letter <= 'z')
            letter = char(letter - 'a' + 'A');
        if (!FindInGroup(file, group, letter, block, last))
            return -1;
        if (k + 1 < word.size()) {
            if (last.child == 0)
                return -1;
            group = last.child;
        }
    }
    return (last.letterByte & trie::EndOfWord) != 0 ? 1 : 0;
}

} // namespace dictionnaire
