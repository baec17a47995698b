// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the dictionary builder tests: a temporary folder per test, file
// contents, and a checking walk of a built trie.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "dictionary/trie_format.h"
#include "temp_folder_test.h"

namespace builder_test {

using Bytes = std::vector<std::uint8_t>;

class FolderTest : public TempFolderTest {
protected:
    FolderTest() : TempFolderTest("ludorine-builder-") {}

    std::string WriteText(const std::string &name, const std::string &text) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << text;
        return PathOf(name);
    }
};

namespace detail {

inline void WalkGroup(const Bytes &bytes, std::uint32_t first, std::string &word,
                      std::vector<std::string> &words, std::vector<bool> &reached)
{
    const std::size_t nodeCount = bytes.size() / trie::kNodeSize;
    ASSERT_LT(first, nodeCount) << "child index past the end";
    ASSERT_TRUE(bytes[first * trie::kNodeSize] & trie::GroupHead)
        << "group at node " << first << " has no head";
    char previous = 0;
    for (std::size_t n = first; n < nodeCount; ++n) {
        const std::uint8_t *node = &bytes[n * trie::kNodeSize];
        if (node[0] == 0 || (n != first && (node[0] & trie::GroupHead)))
            break;
        ASSERT_FALSE(reached[n]) << "node " << n << " belongs to two groups";
        reached[n] = true;
        EXPECT_EQ(node[0] & trie::UserWord, 0) << "node " << n;
        const int code = node[0] & trie::LetterCode;
        ASSERT_TRUE(code >= 1 && code <= 26) << "node " << n;
        const char letter = trie::LetterOf(node[0]);
        EXPECT_GT(letter, previous) << "group letters out of order at node " << n;
        previous = letter;

        word.push_back(letter);
        if (node[0] & trie::EndOfWord)
            words.push_back(word);
        if (const std::uint32_t child = trie::ChildIndex(node); child != 0)
            WalkGroup(bytes, child, word, words, reached);
        else
            EXPECT_TRUE(node[0] & trie::EndOfWord) << "dead-end path at node " << n;
        word.pop_back();
    }
}

} // namespace detail

// The words a built trie spells, in file order, after checking what the
// builder promises: whole nodes, every group headed, distinct letters in
// alphabetical order, no user flag, no dead end, every node in exactly one
// group.
inline std::vector<std::string> WordsOfTrie(const Bytes &bytes)
{
    std::vector<std::string> words;
    EXPECT_EQ(bytes.size() % trie::kNodeSize, 0u);
    if (bytes.size() < trie::kNodeSize)
        return words;
    std::vector<bool> reached(bytes.size() / trie::kNodeSize, false);
    std::string word;
    detail::WalkGroup(bytes, 0, word, words, reached);
    for (std::size_t n = 0; n < reached.size(); ++n)
        EXPECT_TRUE(reached[n]) << "node " << n << " is in no group";
    return words;
}

// One node as bytes: letter byte, then the child index, little-endian.
inline Bytes Node(std::uint8_t letterByte, std::uint32_t child = 0)
{
    return {letterByte, std::uint8_t(child), std::uint8_t(child >> 8), std::uint8_t(child >> 16),
            std::uint8_t(child >> 24)};
}

inline Bytes Nodes(std::initializer_list<Bytes> nodes)
{
    Bytes all;
    for (const Bytes &node : nodes)
        all.insert(all.end(), node.begin(), node.end());
    return all;
}

} // namespace builder_test
