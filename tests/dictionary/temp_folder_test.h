// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test fixture with a fresh temporary folder per test, removed afterwards,
// and the file helpers the dictionary tests share.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class TempFolderTest : public ::testing::Test {
public:
    using Bytes = std::vector<std::uint8_t>;

protected:
    explicit TempFolderTest(std::string prefix) : prefix_(std::move(prefix)) {}

    void SetUp() override
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ =
            std::filesystem::temp_directory_path() / (prefix_ + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string PathOf(const std::string &name) const { return (folder_ / name).string(); }

    static Bytes FileBytes(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Names of the entries of the test folder, to spot leftover files.
    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path folder_;

private:
    std::string prefix_;
};
