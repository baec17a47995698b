// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the Scrabble tests: small dictionaries in a temporary folder,
// boards from text, and a game whose racks are set letter by letter.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/dictionnaire.h"
#include "scrabble/engine/board_game.h"
#include "scrabble/engine/grid.h"

namespace scrabble_test {

class TempFolder {
public:
    TempFolder()
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                (std::string("ludorine-scrabble-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    std::string File(const std::string &name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::unique_ptr<TDictionnaire> SmallDictionary(const std::string &path,
                                                      const std::vector<std::string> &words)
{
    auto dico = TDictionnaire::Create(path, 'W');
    for (const std::string &w : words)
        dico->AddWord(w, false);
    return dico;
}

// Rows of '.', capitals (played tiles) and lower case (played jokers).
inline scrabble::Grid GridFrom(const std::vector<std::string> &rows)
{
    scrabble::Grid grid(15);
    for (int r = 1; r <= int(rows.size()); ++r)
        for (int c = 1; c <= int(rows[std::size_t(r - 1)].size()); ++c) {
            const char ch = rows[std::size_t(r - 1)][std::size_t(c - 1)];
            if (ch != '.')
                grid.Play(c, r, ch);
        }
    return grid;
}

// Puts exactly `letters` on the player's rack, in slot order.
inline void SetRack(scrabble::BoardGame &game, int player, const std::string &letters)
{
    game.EmptyRack(player);
    for (std::size_t i = 0; i < letters.size(); ++i)
        ASSERT_TRUE(game.TakeFromBag(letters[i], player, int(i) + 1)) << letters;
}

// Plays the letters of a word with no move, from (col, row) across or down.
inline void PlayWord(scrabble::BoardGame &game, const std::string &word, char dir, int col, int row)
{
    for (std::size_t i = 0; i < word.size(); ++i)
        ASSERT_TRUE(
            game.PlayFromBag(word[i], col + (dir == 'H' ? int(i) : 0), row + (dir == 'V' ? int(i) : 0)));
}

} // namespace scrabble_test
