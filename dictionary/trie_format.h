// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Layout of the dictionary file: a flat array of 5-byte nodes, little-endian,
// no header. Byte 0 holds the flags and the letter code, bytes 1-4 the node
// number of the first node of the children's group (0 = no children).
#include <cstdint>

namespace trie {

inline constexpr int kNodeSize = 5;
inline constexpr int kNodesPerRead = 30;   // nodes read at one time
inline constexpr int kGroupScanLimit = 29; // entries examined in one group

inline constexpr std::uint8_t EndOfWord = 0x80;
inline constexpr std::uint8_t GroupHead = 0x40;
inline constexpr std::uint8_t UserWord = 0x20;
inline constexpr std::uint8_t LetterCode = 0x1F; // 1 = A ... 26 = Z

inline constexpr char LetterOf(std::uint8_t letterByte)
{
    return char((letterByte & LetterCode) + 64);
}
inline constexpr std::uint8_t CodeOf(char upperLetter)
{
    return std::uint8_t(upperLetter - 64);
}

inline std::uint32_t ChildIndex(const std::uint8_t *node)
{
    return std::uint32_t(node[1]) | std::uint32_t(node[2]) << 8 | std::uint32_t(node[3]) << 16 |
           std::uint32_t(node[4]) << 24;
}

inline void SetChildIndex(std::uint8_t *node, std::uint32_t child)
{
    node[1] = std::uint8_t(child);
    node[2] = std::uint8_t(child >> 8);
    node[3] = std::uint8_t(child >> 16);
    node[4] = std::uint8_t(child >> 24);
}

} // namespace trie
