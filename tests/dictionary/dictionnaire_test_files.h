// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the dictionary tests: a temporary folder per test, the raw bytes
// of a dictionary file, and small dictionaries built word by word.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "dictionary/dictionnaire.h"
#include "temp_folder_test.h"

namespace dictionnaire_test {

using Bytes = std::vector<std::uint8_t>;

class DictionaryFileTest : public TempFolderTest {
protected:
    DictionaryFileTest() : TempFolderTest("ludorine-dico-") {}

    std::string DicoPath() const { return PathOf("test.ox"); }

    void WriteFile(const std::string &path, const Bytes &bytes) const
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::string ReadText(const std::string &path) const
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // A dictionary file holding `words`, added in order (standard words).
    std::unique_ptr<TDictionnaire> Build(std::initializer_list<const char *> words)
    {
        auto dico = TDictionnaire::Create(DicoPath(), 'W');
        for (const char *word : words)
            dico->AddWord(word, false);
        return dico;
    }
};

// One node as bytes: letter byte then the child index, little-endian.
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

using Words = std::vector<std::string>;

} // namespace dictionnaire_test
