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

namespace dictionnaire_test {

using Bytes = std::vector<std::uint8_t>;

class DictionaryFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  (std::string("ludorine-dico-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string PathOf(const std::string &name) const { return (folder_ / name).string(); }
    std::string DicoPath() const { return PathOf("test.ox"); }

    Bytes FileBytes(const std::string &path) const
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
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

    std::filesystem::path folder_;
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
